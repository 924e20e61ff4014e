#pragma once

#include <QObject>
#include <functional>

// The application's hint event: every status tip (the long part of the hint under the
// mouse, or of the highlighted menu entry) goes to one handler instead of Qt's own
// status-bar message, and hint bubbles are shown only while they are switched on, for
// 4 s, in cyan, after 400 ms (200 ms when moving from control to control).
class GestionBulles : public QObject {
    Q_OBJECT
public:
    explicit GestionBulles(std::function<void(const QString&)> surHint, QObject* parent = nullptr);

    void activerBulles(bool oui) { bulles_ = oui; }
    bool bullesActives() const { return bulles_; }

    // Hint colour and delays for the whole application.
    static void reglerApparence();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    std::function<void(const QString&)> surHint_;
    bool bulles_ = false;
};
