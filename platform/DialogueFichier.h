#pragma once

#include <QFileDialog>

// The program's open and save dialogs: the toolkit's own dialog (not the desktop's), its
// labels in French, a filter given as "description|*.ext;*.ext2" and, when saving, a
// French question before an existing file is replaced.
class DialogueFichier : public QFileDialog {
    Q_OBJECT
public:
    enum class Mode { Ouvrir, Enregistrer };

    DialogueFichier(QWidget* parent, Mode mode, const QString& nom);

    // One filter, "description|patterns": the list of types shows the description alone.
    void setFiltre(const QString& filtre);

    // Runs the dialog from `depart` (the last file chosen, or a folder); the chosen path,
    // or nothing when cancelled.
    QString choisir(const QString& titre, const QString& depart);

public slots:
    void accept() override;
};
