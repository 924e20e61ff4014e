#include "model/FichierSeance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString nom = QStringLiteral("chute à vélo.kinopix");

// A session on a clip of 5 images of 321 x 241 shown at 150 %: 482 x 362 on screen.
ContenuSeance contenuEssai(int n) {
    ContenuSeance c;
    c.clip.cheminRelatif = QStringLiteral("../Vidéos/élan é.avi");
    c.clip.cheminAbsolu = QStringLiteral("/home/élève/Vidéos/élan é.avi");
    c.clip.octets = 5'000'000'000LL;
    c.clip.nbImages = 5;
    c.clip.largeur = 321;
    c.clip.hauteur = 241;
    c.etalonnage.xOrig = 12;
    c.etalonnage.yOrig = 300;
    c.etalonnage.sensY = -1;
    c.etalonnage.p1 = QPoint(3, 4);
    c.etalonnage.p2 = QPoint(400, 4);
    c.etalonnage.distanceTexte = QStringLiteral(" 1 234,5 ");
    c.etalonnage.echelle = 1.0L / 3.0L;
    c.points.assign(5 * 9, std::nullopt);
    for (int i = 0; i < 5; ++i)
        for (int k = 1; k <= n; ++k)
            if ((i + k) % 3 != 0) // some missing
                c.points[size_t(i * 9 + k - 1)] = QPoint(i * 90 + k, 361 - i * k);
    c.points[size_t(4 * 9 + n - 1)] = QPoint(481, 361); // the displayed image's corner
    c.n = n;
    c.t0 = 3;
    c.chiffresXY = 5;
    c.decimalesT = 0;
    c.cadencePriseDeVue = 1000.0L / 3; // a rate typed for a slow-motion clip, read back exactly
    c.taillePc = 150;
    c.adapte = true;
    c.imageAffichee = 4;
    for (int k = 0; k <= 9; ++k) {
        c.aspect.couleurs.push_back(k == 9 ? 0xFFFFFFu : uint32_t(k * 0x10203));
        c.aspect.dessines.push_back(k % 2 == 0);
        c.aspect.formes.push_back(k % 4);
    }
    c.aspect.taillePoints = 4;
    c.aspect.couleurPointeur = 2;
    c.aspect.formePointeur = 3;
    return c;
}

QString refus(const QString& raison) {
    return "Le fichier « " + nom + " » ne peut pas être ouvert comme séance : " + raison + ".";
}

// The test session's file with one key set ("clip.largeur"), or removed (undefined).
QByteArray avec(const QString& chemin, const QJsonValue& v) {
    QJsonObject o = QJsonDocument::fromJson(fichierSeance::ecrire(contenuEssai(2))).object();
    const QStringList cles = chemin.split('.');
    if (cles.size() == 1) {
        if (v.isUndefined())
            o.remove(chemin);
        else
            o[chemin] = v;
    } else {
        QJsonObject dedans = o[cles[0]].toObject();
        dedans[cles[1]] = v;
        o[cles[0]] = dedans;
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace

TEST(FichierSeance, EveryFieldReadsBackEqual) {
    for (int n : {1, 2, 9}) {
        const ContenuSeance c = contenuEssai(n);
        const QByteArray octets = fichierSeance::ecrire(c);
        EXPECT_TRUE(octets.contains("\"format\": \"Kinopix séance\"")) << octets.constData();
        const fichierSeance::Lecture l = fichierSeance::lire(octets, nom);
        EXPECT_EQ(l.erreur.toStdString(), "");
        ASSERT_TRUE(l.contenu) << n;
        EXPECT_EQ(*l.contenu, c) << n;
        EXPECT_EQ(l.contenu->etalonnage.echelle, 1.0L / 3.0L); // to the last bit
    }
}

// Files of version 1 lack keys that were optional then: they must always open.
TEST(FichierSeance, AnEarlierFileReadsWithTheDefaults) {
    const QByteArray v1 = R"({
        "format": "Kinopix séance", "version": 1,
        "clip": {"cheminAbsolu": "/clips/chute.avi", "nbImages": 3, "largeur": 320,
                 "hauteur": 240},
        "etalonnage": {"p2": [100, 2], "distance": "0,5", "echelle": "0.005"},
        "points": [[2, 1, 319, 239], [0, 3, 0, 0]]
    })";
    ContenuSeance attendu;
    attendu.clip.cheminAbsolu = "/clips/chute.avi";
    attendu.clip.nbImages = 3;
    attendu.clip.largeur = 320;
    attendu.clip.hauteur = 240;
    attendu.etalonnage.p2 = QPoint(100, 2);
    attendu.etalonnage.distanceTexte = "0,5";
    attendu.etalonnage.echelle = 0.005L;
    attendu.points.assign(27, std::nullopt);
    attendu.points[2 * 9] = QPoint(319, 239);
    attendu.points[2] = QPoint(0, 0);
    const fichierSeance::Lecture l = fichierSeance::lire(v1, nom);
    ASSERT_TRUE(l.contenu) << l.erreur.toStdString();
    EXPECT_EQ(*l.contenu, attendu);
}

TEST(FichierSeance, RefusesWhatItCannotReadWhole) {
    const QString illisible =
        QStringLiteral("ce n'est pas un fichier de séance Kinopix (JSON illisible)");
    const QString autre = QStringLiteral("il a été écrit par un autre programme");
    const auto cle = [](const char* c) {
        return QStringLiteral("la valeur de « %1 » est hors limites").arg(c);
    };
    const auto dehors = [](int k, int i) {
        return QStringLiteral("le point %1 de l'image %2 est en dehors de l'image").arg(k).arg(i);
    };
    const QByteArray valide = fichierSeance::ecrire(contenuEssai(2));
    const QJsonArray deuxFois{QJsonArray{1, 1, 5, 5}, QJsonArray{1, 1, 6, 6}};
    const struct {
        QByteArray octets;
        QString raison;
    } cas[] = {
        {"", illisible},
        {valide.left(valide.size() / 2), illisible},
        {"[1, 2]", illisible},
        {R"({"name": "kinopix", "version": 1, "dependencies": {}})", autre},
        {avec("format", "Kinopix seance"), autre},
        {avec("version", 2), "il a été écrit par une version plus récente de Kinopix (format 2)"},
        {avec("version", 0), cle("version")},
        {avec("version", QJsonValue::Undefined), cle("version")},
        {avec("clip", QJsonValue::Undefined), cle("nbImages")},
        {avec("clip", "chute.avi"), cle("clip")},
        {avec("clip.nbImages", 0), cle("nbImages")},
        {avec("clip.nbImages", 1'000'001), cle("nbImages")},
        {avec("clip.largeur", 100'001), cle("largeur")},
        {avec("clip.hauteur", 0), cle("hauteur")},
        {avec("clip.octets", -1), cle("octets")},
        {avec("clip.cheminAbsolu", QString(QChar(0xD800))), cle("cheminAbsolu")},
        {avec("n", 0), cle("n")},
        {avec("n", 10), cle("n")},
        {avec("n", 1.5), cle("n")},
        {avec("t0", 0), cle("t0")},
        {avec("t0", 6), cle("t0")},
        {avec("chiffresXY", 6), cle("chiffresXY")},
        {avec("decimalesT", -1), cle("decimalesT")},
        {avec("decimalesT", 7), cle("decimalesT")},
        {avec("taillePc", 0), cle("taillePc")},
        {avec("taillePc", 1001), cle("taillePc")},
        {avec("adapte", 1), cle("adapte")},
        {avec("imageAffichee", 5), cle("imageAffichee")},
        {avec("etalonnage.sensX", 0), cle("sensX")},
        {avec("etalonnage.sensY", 2), cle("sensY")},
        {avec("etalonnage.p1", QJsonArray{1}), cle("p1")},
        {avec("etalonnage.distance", 12), cle("distance")},
        {avec("etalonnage.echelle", "0"), cle("echelle")},
        {avec("etalonnage.echelle", "-0.5"), cle("echelle")},
        {avec("etalonnage.echelle", "inf"), cle("echelle")},
        {avec("etalonnage.echelle", "0,5"), cle("echelle")},
        {avec("aspect.taillePoints", 5), cle("taillePoints")},
        {avec("aspect.couleurPointeur", 3), cle("couleurPointeur")},
        {avec("aspect.formePointeur", 0), cle("formePointeur")},
        {avec("aspect.formes", QJsonArray{4}), cle("formes")},
        {avec("aspect.couleurs", QJsonArray{0x1000000}), cle("couleurs")},
        {avec("aspect.dessines", QJsonArray{1}), cle("dessines")},
        {avec("aspect.dessines", QJsonArray::fromVariantList(QVariantList(11, true))),
         cle("dessines")},
        {avec("points", QJsonObject()), cle("points")},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{5, 1, 0, 0})}),
         cle("points")}, // image 6 of 5
        {avec("points", QJsonArray{QJsonValue(QJsonArray{0, 10, 0, 0})}), cle("points")},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{0, 1, 0})}), cle("points")},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{0, 1, 0.5, 0})}), cle("points")},
        {avec("points", deuxFois), cle("points")},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{2, 3, 482, 0})}), dehors(3, 3)},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{4, 1, 0, 362})}), dehors(1, 5)},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{0, 2, -1, 0})}), dehors(2, 1)},
        {avec("points", QJsonArray{QJsonValue(QJsonArray{0, 2, 1e12, 0})}), dehors(2, 1)},
    };
    for (const auto& [octets, raison] : cas) {
        const fichierSeance::Lecture l = fichierSeance::lire(octets, nom);
        EXPECT_FALSE(l.contenu) << octets.constData();
        EXPECT_EQ(l.erreur.toStdString(), refus(raison).toStdString()) << octets.constData();
    }
}

TEST(FichierSeance, TheDocumentComesBackWhole) {
    FaitsClip faits;
    faits.chemin = QStringLiteral("/clips/chute.avi");
    faits.nbImages = 4;
    faits.largeur = 320;
    faits.hauteur = 240;
    faits.periode = 0.04L;
    Seance avant;
    avant.setClip(faits);
    avant.setN(3);
    avant.setT0(2);
    avant.setChiffresXY(4);
    avant.setDecimalesT(1);
    Etalonnage e;
    e.xOrig = 160;
    e.sensX = -1;
    e.distanceTexte = QStringLiteral("2,5");
    e.echelle = 2.5L / 7;
    avant.setEtalonnage(e);
    avant.setPoint(0, 1, QPoint(1, 2));
    avant.setPoint(3, 3, QPoint(319, 239));
    avant.setPoint(2, 9, QPoint(0, 0)); // beyond n, still kept

    ContenuSeance c = contenuEssai(1);
    c.clip.nbImages = 4;
    c.imageAffichee = 3;
    fichierSeance::extraire(avant, c);
    const auto l = fichierSeance::lire(fichierSeance::ecrire(c), nom);
    ASSERT_TRUE(l.contenu) << l.erreur.toStdString();
    Seance apres;
    apres.setClip(faits);
    QSignalSpy point(&apres, &Seance::pointChange), points(&apres, &Seance::pointsChange);
    fichierSeance::appliquer(*l.contenu, apres);
    EXPECT_TRUE(apres.memeMesure(avant));
    EXPECT_EQ(point.count(), 0); // the table follows one change, not one per point
    EXPECT_EQ(points.count(), 1);
}
