#pragma once

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

// Answers the next modal box or dialog the program opens, as a user would. Arm it before
// the action that opens the box: it polls for QApplication::activeModalWidget() from the
// event loop that the box itself runs.
namespace reponse {

struct Vu {
    bool ouvert = false;     // a modal widget appeared
    QString titre;           // its window title
    QString texte;           // the text of a QMessageBox, empty otherwise
    QString objet;           // its objectName
};

// Presses the standard button of a message box (Yes, No, Ok...) and records what it showed.
void bouton(QMessageBox::StandardButton b, Vu* vu = nullptr, int delaiMaxMs = 5000);

// Hands the modal widget to a function that fills it and closes it (accept/reject/click).
void dialogue(std::function<void(QWidget*)> agir, Vu* vu = nullptr, int delaiMaxMs = 5000);

} // namespace reponse
