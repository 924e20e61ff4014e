#pragma once

#include "aides/AutomationFactice.h"
#include "export/Releve.h"
#include "export/TransfertTableur.h"

#include <deque>

// What the transfer asked and told, with scripted answers to its questions.
struct DialogueEnregistre {
    std::deque<bool> reponses; // answers to the Yes/No boxes, in order (Yes when none left)
    QStringList questions, informations, erreurs;
    std::vector<std::pair<int, int>> progression;

    tableur::Dialogue dialogue() {
        tableur::Dialogue d;
        d.confirmer = [this](const QString& q) {
            questions << q;
            if (reponses.empty()) return true;
            const bool r = reponses.front();
            reponses.pop_front();
            return r;
        };
        d.informer = [this](const QString& m) { informations << m; };
        d.erreur = [this](const QString& m) { erreurs << m; };
        d.progression = [this](int k, int total) { progression.emplace_back(k, total); };
        return d;
    }
};

// One point on four images, t = 0 on image 2: row 1 has no t, row 3 misses its point, so the
// spreadsheet receives rows 2 and 4.
inline Releve releveExemple(QChar sep = '.') {
    Releve r;
    r.n = 1;
    r.t0 = 2;
    r.N = 4;
    r.separateur = sep;
    r.positionFmtT = 3;
    r.positionFmtXY = 2;
    r.entetes = {"t", "x", "y"};
    auto s = [sep](QString t) { return t.replace(QLatin1Char('.'), sep); };
    r.lignes = {{"t(s)", "x(m)", "y(m)"},
                {"", s(" 1.00E-2"), s(" 2.00E-2")},
                {s("0.000"), s(" 1.50E-2"), s("-2.50E-1")},
                {s("0.040"), "", ""},
                {s("0.080"), s(" 3.00E-2"), s(" 4.00E-2")}};
    return r;
}
