#include "platform/DialogueFichier.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

DialogueFichier::DialogueFichier(QWidget* parent, Mode mode, const QString& nom)
    : QFileDialog(parent) {
    setObjectName(nom);
    setOption(QFileDialog::DontUseNativeDialog);
    const bool enregistrer = mode == Mode::Enregistrer;
    setAcceptMode(enregistrer ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(enregistrer ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The question before replacing a file is ours, in French (see accept()).
    setOption(QFileDialog::DontConfirmOverwrite);
    setLabelText(QFileDialog::LookIn, QStringLiteral("Dans :"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Type :"));
    setLabelText(QFileDialog::Accept,
                 enregistrer ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
}

void DialogueFichier::setFiltre(const QString& filtre) {
    const QString description = filtre.section(QLatin1Char('|'), 0, 0);
    QStringList motifs =
        filtre.section(QLatin1Char('|'), 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    setNameFilter(description + QStringLiteral(" (") + motifs.join(QLatin1Char(' ')) +
                  QLatin1Char(')'));
    if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        if (types->count() > 0) types->setItemText(0, description);
}

QString DialogueFichier::choisir(const QString& titre, const QString& depart) {
    setWindowTitle(titre);
    const QFileInfo info(depart);
    if (depart.isEmpty()) {
        // The first time: the current folder, not whatever the toolkit last remembered.
        setDirectory(QDir::currentPath());
    } else if (info.isDir()) {
        setDirectory(depart);
        selectFile(QString());
    } else {
        setDirectory(info.absoluteDir().exists() ? info.absolutePath() : QDir::currentPath());
        selectFile(info.fileName());
    }
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return QString();
    return selectedFiles().constFirst();
}

void DialogueFichier::accept() {
    if (acceptMode() == QFileDialog::AcceptSave) {
        const QStringList choisis = selectedFiles();
        if (!choisis.isEmpty() && QFileInfo(choisis.constFirst()).isFile()) {
            const QString nom = QFileInfo(choisis.constFirst()).fileName();
            QMessageBox question(
                QMessageBox::Warning, windowTitle(),
                QStringLiteral("%1 existe déjà.\nVoulez-vous le remplacer ?").arg(nom),
                QMessageBox::Yes | QMessageBox::No, this);
            question.setDefaultButton(QMessageBox::No);
            if (question.exec() != QMessageBox::Yes) return;
        }
    }
    QFileDialog::accept();
}
