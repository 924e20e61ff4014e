#include "model/Commandes.h"

CommandePointage::CommandePointage(Seance& s, int image, int k, QPoint p)
    : QUndoCommand(QStringLiteral("le pointage"))
    , s(s)
    , image(image)
    , k(k)
    , avant(s.point(image, k))
    , apres(p) {}

void CommandePointage::redo() {
    s.setPoint(image, k, apres);
    if (!premiere_) s.demanderVue(image, k);
    premiere_ = false;
}

void CommandePointage::undo() {
    s.setPoint(image, k, avant);
    s.demanderVue(image, k);
}

CommandeEffacement::CommandeEffacement(Seance& s, int premiere, int derniere, int kMin, int kMax)
    : QUndoCommand(QStringLiteral("l'effacement"))
    , s(s)
    , premiere(premiere)
    , derniere(derniere)
    , kMin(kMin)
    , kMax(kMax)
    , avant(s.plage(premiere, derniere, kMin, kMax)) {}

void CommandeEffacement::redo() {
    s.effacer(premiere, derniere, kMin, kMax);
    if (!premiere_) s.demanderVue(premiere, 0);
    premiere_ = false;
}

void CommandeEffacement::undo() {
    s.restaurer(premiere, derniere, kMin, kMax, avant);
    s.demanderVue(premiere, 0);
}

CommandeEtalonnage::CommandeEtalonnage(Seance& s, const Etalonnage& nouveau, const QString& texte)
    : QUndoCommand(texte)
    , s(s)
    , avant(s.etalonnage())
    , apres(nouveau) {}

CommandeEtalonnage::CommandeEtalonnage(Seance& s, const Etalonnage& avant, const Etalonnage& apres,
                                       const QString& texte)
    : QUndoCommand(texte)
    , s(s)
    , avant(avant)
    , apres(apres) {}

void CommandeEtalonnage::redo() {
    if (s.etalonnage() == apres)
        s.annoncerEtalonnage(); // prepared by the gesture: the views follow now
    else
        s.setEtalonnage(apres);
}

void CommandeEtalonnage::undo() {
    s.setEtalonnage(avant);
}

CommandeChiffres::CommandeChiffres(Seance& s, int chiffres, const Etalonnage& nouveau)
    : QUndoCommand(QStringLiteral("le nombre de chiffres"))
    , s(s)
    , chiffresAvant(s.chiffresXY())
    , chiffresApres(chiffres)
    , avant(s.etalonnage())
    , apres(nouveau) {}

void CommandeChiffres::redo() {
    s.setChiffresXY(chiffresApres);
    s.setEtalonnage(apres);
}

void CommandeChiffres::undo() {
    s.setChiffresXY(chiffresAvant);
    s.setEtalonnage(avant);
}

CommandeCadence::CommandeCadence(Seance& s, long double cadence)
    : QUndoCommand(QStringLiteral("l'étalonnage du temps"))
    , s(s)
    , avant(s.cadencePriseDeVue())
    , apres(cadence) {}

void CommandeCadence::redo() {
    s.setCadencePriseDeVue(apres);
}

void CommandeCadence::undo() {
    s.setCadencePriseDeVue(avant);
}

CommandeT0::CommandeT0(Seance& s, int t0)
    : QUndoCommand(QStringLiteral("l'origine des dates"))
    , s(s)
    , avant(s.t0())
    , apres(t0) {}

void CommandeT0::redo() {
    s.setT0(apres);
}

void CommandeT0::undo() {
    s.setT0(avant);
}
