#pragma once

#include <QDialog>
#include <functional>

class HautBas;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
struct EtatVue;

// "Taille du clip": the user picks a percentage (10..400) or ticks "Adapter" for the
// percentage that fits the display area. The dialog only collects the choice: applying it
// (erasing the table, resizing the video) is the window's, reached through Liens.
class TtailleImaBox : public QDialog {
    Q_OBJECT
public:
    explicit TtailleImaBox(QWidget* parent = nullptr);

    struct Liens {
        EtatVue* vue = nullptr;        // taillePc, adapte, appliquerTaille, boutonPcEnfonce
        std::function<int()> pcAdapte; // percentage that fits the display area now
        std::function<bool(int p, bool adapter)> MaJ; // false when the user kept the table
        std::function<void()> panneauAuCoin; // the clip panel to the area's top-left corner
    };
    void setLiens(Liens l) { liens = std::move(l); }

    // Spinner and the panel that shows its position.
    void setPosition(int pc);
    int position() const;

    void FormShow();
    void FormHide();
    void udPcClick();
    void udPcMouseDown();
    void udPcMouseUp();
    void Timer1Timer();
    void chkBxAdapterClick();
    void OKBtnClick();
    void CancelBtnClick();

    QCheckBox* chkBxAdapter = nullptr;
    QLabel* pnlPc = nullptr;
    HautBas* udPc = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void reject() override; // Escape is "Annuler"

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    Liens liens;
};
