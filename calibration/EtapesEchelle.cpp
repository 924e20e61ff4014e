#include "calibration/EtapesEchelle.h"

namespace etapes {

namespace {
const QString cocher1 = QStringLiteral("1 - Cochez ' 1er point ' pour définir p1");
const QString cliquer1 = QStringLiteral("1 - Cliquez sur le clip pour désigner p1");
const QString cocher2 = QStringLiteral("2 - Cochez ' 2ème point ' pour définir p2");
const QString cliquer2 = QStringLiteral("2 - Cliquez sur le clip pour désigner p2");
const QString t3 = QStringLiteral("3 - Modifiez la valeur réelle\n") + QString(32, ' ') +
                   QStringLiteral("de la distance p1p2");
const QString entrer3 = QStringLiteral("3 - Entrez la distance p1p2 en mètre(s)");
const QString t4 = QStringLiteral("4 - Choisissez la couleur\n") + QString(35, ' ') +
                   QStringLiteral("du segment p1p2");
const QString modifier4 = QStringLiteral("4 - Modifiez la couleur du segment p1p2");
} // namespace

Affichage etapesEchelle(int code) {
    Affichage a;
    a.visible = code != 0;
    auto& e = a.etiquettes;
    switch (code) {
    case 0:
        e = {Etiquette{cocher1, couleurRepos}, Etiquette{cocher2, couleurRepos},
             Etiquette{t3, couleurRepos}, Etiquette{modifier4, couleurRepos}};
        break;
    case 10:
        e = {Etiquette{cliquer1, couleurCourante}, Etiquette{cocher2, couleurAutre},
             Etiquette{t3, couleurAutre}, Etiquette{modifier4, couleurAutre}};
        break;
    case 20:
        e = {Etiquette{cocher1, couleurAutre}, Etiquette{cliquer2, couleurCourante},
             Etiquette{t3, couleurAutre}, Etiquette{modifier4, couleurAutre}};
        break;
    case 30:
        e[2] = Etiquette{entrer3, couleurCourante};
        e[3] = Etiquette{modifier4, couleurAutre};
        break;
    case 40:
        e[2] = Etiquette{t3, couleurAutre};
        e[3] = Etiquette{t4, couleurCourante};
        break;
    case 41:
        e[3] = Etiquette{modifier4, couleurAutre};
        break;
    default:
        break;
    }
    return a;
}

} // namespace etapes
