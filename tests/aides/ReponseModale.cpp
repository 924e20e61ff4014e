#include "aides/ReponseModale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

namespace reponse {

namespace {
void attendre(std::function<void(QWidget*)> agir, Vu* vu, int delaiMaxMs) {
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    auto minuterie = new QTimer(qApp);
    minuterie->setInterval(10);
    QObject::connect(minuterie, &QTimer::timeout, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (chrono->elapsed() > delaiMaxMs) minuterie->deleteLater();
            return;
        }
        minuterie->stop();
        minuterie->deleteLater();
        if (vu != nullptr) {
            vu->ouvert = true;
            vu->titre = modal->windowTitle();
            vu->objet = modal->objectName();
            if (auto* boite = qobject_cast<QMessageBox*>(modal)) vu->texte = boite->text();
        }
        agir(modal);
    });
    minuterie->start();
}
} // namespace

void bouton(QMessageBox::StandardButton b, Vu* vu, int delaiMaxMs) {
    attendre(
        [b](QWidget* modal) {
            if (auto* boite = qobject_cast<QMessageBox*>(modal)) {
                if (QAbstractButton* bouton = boite->button(b)) {
                    bouton->click();
                    return;
                }
            }
            modal->close();
        },
        vu, delaiMaxMs);
}

void dialogue(std::function<void(QWidget*)> agir, Vu* vu, int delaiMaxMs) {
    attendre(std::move(agir), vu, delaiMaxMs);
}

} // namespace reponse
