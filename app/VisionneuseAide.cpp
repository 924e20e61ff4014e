#include "app/VisionneuseAide.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

VisionneuseAide::VisionneuseAide(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("VisionneuseAide");
    setWindowTitle(QStringLiteral("Aide de Kinopix"));
    texte_ = new QTextBrowser(this);
    texte_->setObjectName("texteAide");
    texte_->setOpenLinks(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(texte_);
    resize(560, 480);
}

void VisionneuseAide::ouvrir(const QString& fichier, int contexte) {
    if (fichier != fichier_ || texte_->document()->isEmpty()) {
        fichier_ = fichier;
        QFile f(fichier);
        if (QFileInfo(fichier).isFile() && f.open(QIODevice::ReadOnly)) {
            texte_->setHtml(QString::fromUtf8(f.read(4 * 1024 * 1024)));
        } else {
            texte_->setHtml(QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide "
                                           "<b>%1</b> est introuvable.</p>")
                                .arg(fichier.toHtmlEscaped()));
        }
    }
    ancre_ = QStringLiteral("c%1").arg(contexte);
    // Asked from a modal dialog, the help must not be blocked by it: it becomes modal in
    // turn until closed.
    const bool depuisModal =
        QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != this;
    const Qt::WindowModality modalite = depuisModal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modalite) {
        hide();
        setWindowModality(modalite);
    }
    show();
    texte_->scrollToAnchor(ancre_);
    raise();
    activateWindow();
}
