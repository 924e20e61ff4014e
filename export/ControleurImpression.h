#pragma once

#include "app/ContexteFenetre.h"

#include "export/DessinImpression.h"

#include <QObject>
#include <memory>

class QPrinter;

// The command "Imprimer": the print dialog, then the page sent to the printer (or to a PDF
// file when the user chose to print to a file).
class ControleurImpression : public QObject {
    Q_OBJECT
public:
    explicit ControleurImpression(const ContexteFenetre& contexte);
    ~ControleurImpression() override;

    void bbtnImprimerClick();
    // A new time origin: "from t = 0" is offered when it leaves images out.
    void offrirPointsDepuisT0(int t0);

    // The printer of the session, made at first use and kept with its settings.
    QPrinter& imprimante();
    // What the page shows, taken from the tables and the session now.
    SujetImpression sujet() const;
    // Prints one page with these options; false, after telling the user, when it fails.
    bool imprimer(const OptionsImpression& o);

private:
    void erreur(const QString& texte);

    ContexteFenetre f;
    std::unique_ptr<QPrinter> imprimante_;
};
