#pragma once

#include "export/DessinImpression.h"

#include <QObject>
#include <memory>

class QPrinter;
class TForm1;

// The command "Imprimer": the print dialog, then the page sent to the printer (or to a PDF
// file when the user chose to print to a file).
class ControleurImpression : public QObject {
    Q_OBJECT
public:
    explicit ControleurImpression(TForm1& form);
    ~ControleurImpression() override;

    void bbtnImprimerClick();

    // The printer of the session, made at first use and kept with its settings.
    QPrinter& imprimante();
    // What the page shows, taken from the tables and the session now.
    SujetImpression sujet() const;
    // Prints one page with these options; false, after telling the user, when it fails.
    bool imprimer(const OptionsImpression& o);

private:
    void erreur(const QString& texte);

    TForm1& f;
    std::unique_ptr<QPrinter> imprimante_;
};
