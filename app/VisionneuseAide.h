#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: shows the help file (HTML text with one anchor "c<context>" per help
// context) at the anchor of the context asked for. A missing file or an unknown context
// is shown in the window itself; the program never checks the file beforehand.
class VisionneuseAide : public QWidget {
    Q_OBJECT
public:
    explicit VisionneuseAide(QWidget* parent = nullptr);

    void ouvrir(const QString& fichier, int contexte);

    QTextBrowser* texte() const { return texte_; }
    QString ancre() const { return ancre_; }

private:
    QTextBrowser* texte_;
    QString fichier_; // file shown, reloaded only when another file is asked for
    QString ancre_;
};
