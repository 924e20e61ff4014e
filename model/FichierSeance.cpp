#include "model/FichierSeance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <charconv>
#include <cmath>
#include <limits>
#include <tuple>

namespace fichierSeance {

namespace {

constexpr int aspectMax = Seance::pointsMax + 1; // the axes, then each point
constexpr qint64 coordonneeMax = 100'000'000;    // calibration points, any display size

// The scale as the shortest decimal text that reads back to the same long double.
QString texteEchelle(long double e) {
    char tampon[64];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, e).ptr;
    return QString::fromLatin1(tampon, fin - tampon);
}

QJsonArray paire(QPoint p) {
    return QJsonArray{p.x(), p.y()};
}

// The file's points key, one recorded point a line: [image, k, x, y].
void ajouterPoints(const std::vector<std::optional<QPoint>>& points, QByteArray& sortie) {
    sortie += "    \"points\": [";
    char tampon[64];
    bool premier = true;
    for (size_t i = 0; i < points.size(); ++i) {
        if (!points[i]) continue;
        const long long valeurs[4] = {static_cast<long long>(i / Seance::pointsMax),
                                      static_cast<long long>(i % Seance::pointsMax + 1),
                                      points[i]->x(), points[i]->y()};
        char* c = tampon;
        const char* debut = premier ? "\n        [" : ",\n        [";
        while (*debut)
            *c++ = *debut++;
        for (int v = 0; v < 4; ++v) {
            if (v > 0) {
                *c++ = ',';
                *c++ = ' ';
            }
            c = std::to_chars(c, tampon + sizeof tampon, valeurs[v]).ptr;
        }
        *c++ = ']';
        sortie.append(tampon, c - tampon);
        premier = false;
    }
    sortie += premier ? "]\n" : "\n    ]\n";
}

// Reads keys into their fields; the first key found wrong is kept for the message.
class Lecteur {
public:
    QString faute;
    bool ok() const { return faute.isEmpty(); }
    void fauter(const QString& cle) {
        if (faute.isEmpty()) faute = cle;
    }

    // A whole number within bounds; `false` when it is anything else.
    static bool entier(const QJsonValue& v, qint64 min, qint64 max, qint64& r) {
        if (!v.isDouble()) return false;
        const qint64 a = v.toInteger(0);
        if (a != v.toInteger(1) || a < min || a > max) return false; // not whole, or out
        r = a;
        return true;
    }

    template <class T>
    void entier(const QJsonObject& o, const QString& cle, qint64 min, qint64 max, T& cible) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        qint64 r = 0;
        if (entier(v, min, max, r))
            cible = static_cast<T>(r);
        else
            fauter(cle);
    }

    void booleen(const QJsonObject& o, const QString& cle, bool& cible) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        if (v.isBool())
            cible = v.toBool();
        else
            fauter(cle);
    }

    // Text that the writer gives back unchanged (no lone surrogate).
    void texte(const QJsonObject& o, const QString& cle, QString& cible) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        const QString s = v.toString();
        if (v.isString() && s.isValidUtf16())
            cible = s;
        else
            fauter(cle);
    }

    void point(const QJsonObject& o, const QString& cle, QPoint& cible) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        const QJsonArray a = v.toArray();
        qint64 x = 0, y = 0;
        if (v.isArray() && a.size() == 2 && entier(a[0], -coordonneeMax, coordonneeMax, x) &&
            entier(a[1], -coordonneeMax, coordonneeMax, y))
            cible = QPoint(int(x), int(y));
        else
            fauter(cle);
    }

    // Written as text; a number typed by hand is taken too.
    void echelle(const QJsonObject& o, const QString& cle, long double& cible) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        long double e = 0;
        bool lu = false;
        if (v.isDouble()) {
            e = v.toDouble();
            lu = true;
        } else if (v.isString()) {
            const QByteArray t = v.toString().toLatin1();
            const auto [fin, erreur] = std::from_chars(t.data(), t.data() + t.size(), e);
            lu = erreur == std::errc() && fin == t.data() + t.size() && !t.isEmpty();
        }
        if (lu && std::isfinite(e) && e > 0)
            cible = e;
        else
            fauter(cle);
    }

    // Absent, or up to one entry for the axes and each point, each read by `lireUn`.
    template <class T, class F>
    void liste(const QJsonObject& o, const QString& cle, std::vector<T>& cible, F lireUn) {
        const QJsonValue v = o.value(cle);
        if (v.isUndefined()) return;
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() > aspectMax) return fauter(cle);
        std::vector<T> r;
        for (const QJsonValue& e : a) {
            T x{};
            if (!lireUn(e, x)) return fauter(cle);
            r.push_back(x);
        }
        cible = std::move(r);
    }

    QJsonObject objet(const QJsonObject& o, const QString& cle) {
        const QJsonValue v = o.value(cle);
        if (!v.isUndefined() && !v.isObject()) fauter(cle);
        return v.toObject();
    }
};

QString refus(const QString& nomFichier, const QString& raison) {
    return QStringLiteral("Le fichier « %1 » ne peut pas être ouvert comme séance : %2.")
        .arg(nomFichier, raison);
}

constexpr int32_t nbImagesMax = 1'000'000;

void lireClip(Lecteur& l, const QJsonObject& o, ClipSeance& c) {
    l.texte(o, QStringLiteral("cheminRelatif"), c.cheminRelatif);
    l.texte(o, QStringLiteral("cheminAbsolu"), c.cheminAbsolu);
    l.entier(o, QStringLiteral("octets"), 0, std::numeric_limits<qint64>::max(), c.octets);
    // A million images is over eleven hours at 25 per second; the bound keeps a tiny damaged
    // file from making the reader lay out a table of gigabytes.
    for (const auto& [cle, champ, max] :
         {std::tuple{QStringLiteral("nbImages"), &c.nbImages, nbImagesMax},
          std::tuple{QStringLiteral("largeur"), &c.largeur, 100'000},
          std::tuple{QStringLiteral("hauteur"), &c.hauteur, 100'000}}) {
        l.entier(o, cle, 1, max, *champ);
        if (*champ < 1) l.fauter(cle); // missing: a session always has its clip
    }
}

void lireEtalonnage(Lecteur& l, const QJsonObject& o, Etalonnage& e) {
    l.entier(o, QStringLiteral("xOrig"), -coordonneeMax, coordonneeMax, e.xOrig);
    l.entier(o, QStringLiteral("yOrig"), -coordonneeMax, coordonneeMax, e.yOrig);
    for (const auto& [cle, sens] : {std::pair{QStringLiteral("sensX"), &e.sensX},
                                    std::pair{QStringLiteral("sensY"), &e.sensY}}) {
        l.entier(o, cle, -1, 1, *sens);
        if (*sens == 0) l.fauter(cle);
    }
    l.point(o, QStringLiteral("p1"), e.p1);
    l.point(o, QStringLiteral("p2"), e.p2);
    l.texte(o, QStringLiteral("distance"), e.distanceTexte);
    l.echelle(o, QStringLiteral("echelle"), e.echelle);
}

void lireAspect(Lecteur& l, const QJsonObject& o, AspectSeance& a) {
    l.liste(o, QStringLiteral("couleurs"), a.couleurs, [](const QJsonValue& v, uint32_t& x) {
        qint64 r = 0;
        if (!Lecteur::entier(v, 0, 0xFFFFFF, r)) return false;
        x = uint32_t(r);
        return true;
    });
    l.liste(o, QStringLiteral("dessines"), a.dessines, [](const QJsonValue& v, bool& x) {
        x = v.toBool();
        return v.isBool();
    });
    l.liste(o, QStringLiteral("formes"), a.formes, [](const QJsonValue& v, int& x) {
        qint64 r = 0;
        if (!Lecteur::entier(v, 0, 3, r)) return false;
        x = int(r);
        return true;
    });
    l.entier(o, QStringLiteral("taillePoints"), 0, 4, a.taillePoints);
    l.entier(o, QStringLiteral("couleurPointeur"), 1, 2, a.couleurPointeur);
    l.entier(o, QStringLiteral("formePointeur"), 1, 3, a.formePointeur);
}

// The recorded points, checked against the displayed image the coordinates refer to. An
// empty string when they are right, else the reason.
QString lirePoints(const QJsonValue& v, ContenuSeance& c) {
    const QString horsLimites = QStringLiteral("la valeur de « points » est hors limites");
    c.points.assign(size_t(c.clip.nbImages) * Seance::pointsMax, std::nullopt);
    if (v.isUndefined()) return {};
    if (!v.isArray()) return horsLimites;
    // The display rounds the scaled size up.
    const qint64 largeur = (qint64(c.clip.largeur) * c.taillePc + 99) / 100;
    const qint64 hauteur = (qint64(c.clip.hauteur) * c.taillePc + 99) / 100;
    const QJsonArray points = v.toArray();
    for (const QJsonValue& p : points) {
        const QJsonArray a = p.toArray();
        constexpr qint64 min = std::numeric_limits<qint64>::min();
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        qint64 i = 0, k = 0, x = 0, y = 0;
        if (a.size() != 4 || !Lecteur::entier(a[0], 0, c.clip.nbImages - 1, i) ||
            !Lecteur::entier(a[1], 1, Seance::pointsMax, k) ||
            !Lecteur::entier(a[2], min, max, x) || !Lecteur::entier(a[3], min, max, y))
            return horsLimites;
        if (x < 0 || y < 0 || x >= largeur || y >= hauteur)
            return QStringLiteral("le point %1 de l'image %2 est en dehors de l'image")
                .arg(k)
                .arg(i + 1);
        auto& case_ = c.points[size_t(i) * Seance::pointsMax + size_t(k - 1)];
        if (case_) return horsLimites; // the same point twice
        case_ = QPoint(int(x), int(y));
    }
    return {};
}

} // namespace

QByteArray ecrire(const ContenuSeance& c) {
    QJsonObject o;
    o.insert(QStringLiteral("format"), nomFormat);
    o.insert(QStringLiteral("version"), version);
    o.insert(QStringLiteral("clip"),
             QJsonObject{{QStringLiteral("cheminRelatif"), c.clip.cheminRelatif},
                         {QStringLiteral("cheminAbsolu"), c.clip.cheminAbsolu},
                         {QStringLiteral("octets"), c.clip.octets},
                         {QStringLiteral("nbImages"), c.clip.nbImages},
                         {QStringLiteral("largeur"), c.clip.largeur},
                         {QStringLiteral("hauteur"), c.clip.hauteur}});
    const Etalonnage& e = c.etalonnage;
    o.insert(QStringLiteral("etalonnage"),
             QJsonObject{{QStringLiteral("xOrig"), e.xOrig},
                         {QStringLiteral("yOrig"), e.yOrig},
                         {QStringLiteral("sensX"), e.sensX},
                         {QStringLiteral("sensY"), e.sensY},
                         {QStringLiteral("p1"), paire(e.p1)},
                         {QStringLiteral("p2"), paire(e.p2)},
                         {QStringLiteral("distance"), e.distanceTexte},
                         {QStringLiteral("echelle"), texteEchelle(e.echelle)}});
    o.insert(QStringLiteral("n"), c.n);
    o.insert(QStringLiteral("t0"), c.t0);
    o.insert(QStringLiteral("chiffresXY"), c.chiffresXY);
    o.insert(QStringLiteral("decimalesT"), c.decimalesT);
    if (c.cadencePriseDeVue > 0)
        o.insert(QStringLiteral("cadencePriseDeVue"), texteEchelle(c.cadencePriseDeVue));
    o.insert(QStringLiteral("taillePc"), c.taillePc);
    o.insert(QStringLiteral("adapte"), c.adapte);
    o.insert(QStringLiteral("imageAffichee"), c.imageAffichee);
    const AspectSeance& a = c.aspect;
    QJsonArray couleurs, dessines, formes;
    for (uint32_t v : a.couleurs)
        couleurs.append(qint64(v));
    for (bool v : a.dessines)
        dessines.append(v);
    for (int v : a.formes)
        formes.append(v);
    o.insert(QStringLiteral("aspect"),
             QJsonObject{{QStringLiteral("couleurs"), couleurs},
                         {QStringLiteral("dessines"), dessines},
                         {QStringLiteral("formes"), formes},
                         {QStringLiteral("taillePoints"), a.taillePoints},
                         {QStringLiteral("couleurPointeur"), a.couleurPointeur},
                         {QStringLiteral("formePointeur"), a.formePointeur}});
    // Indented for a reader, but the points one a line: the object ends "\n}\n", and the
    // points go last.
    QByteArray sortie = QJsonDocument(o).toJson(QJsonDocument::Indented);
    sortie.chop(3);
    sortie += ",\n";
    sortie.reserve(sortie.size() + 32 * qsizetype(c.points.size() / 2) + 16);
    ajouterPoints(c.points, sortie);
    sortie += "}\n";
    return sortie;
}

Lecture lire(const QByteArray& octets, const QString& nomFichier) {
    Lecture r;
    QJsonParseError erreurJson;
    const QByteArray marque("\xEF\xBB\xBF"); // a text editor's UTF-8 mark
    const QJsonDocument doc = QJsonDocument::fromJson(
        octets.startsWith(marque) ? octets.sliced(marque.size()) : octets, &erreurJson);
    if (erreurJson.error != QJsonParseError::NoError || !doc.isObject()) {
        r.erreur =
            refus(nomFichier,
                  QStringLiteral("ce n'est pas un fichier de séance Kinopix (JSON illisible)"));
        return r;
    }
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("format")) != QJsonValue(nomFormat)) {
        r.erreur = refus(nomFichier, QStringLiteral("il a été écrit par un autre programme"));
        return r;
    }
    const auto horsLimites = [&](const QString& cle) {
        r.erreur =
            refus(nomFichier, QStringLiteral("la valeur de « %1 » est hors limites").arg(cle));
        return r;
    };
    qint64 v = 0;
    if (!Lecteur::entier(o.value(QStringLiteral("version")), 1, std::numeric_limits<qint64>::max(),
                         v))
        return horsLimites(QStringLiteral("version"));
    if (v > version) {
        r.erreur = refus(nomFichier, QStringLiteral("il a été écrit par une version plus récente "
                                                    "de Kinopix (format %1)")
                                         .arg(v));
        return r;
    }

    ContenuSeance c;
    Lecteur l;
    lireClip(l, l.objet(o, QStringLiteral("clip")), c.clip);
    lireEtalonnage(l, l.objet(o, QStringLiteral("etalonnage")), c.etalonnage);
    l.entier(o, QStringLiteral("n"), 1, Seance::pointsMax, c.n);
    l.entier(o, QStringLiteral("chiffresXY"), 1, 5, c.chiffresXY);
    l.entier(o, QStringLiteral("decimalesT"), 0, 6, c.decimalesT);
    l.echelle(o, QStringLiteral("cadencePriseDeVue"), c.cadencePriseDeVue);
    if (c.cadencePriseDeVue > 100000) l.fauter(QStringLiteral("cadencePriseDeVue"));
    l.entier(o, QStringLiteral("taillePc"), 1, 1000, c.taillePc);
    l.booleen(o, QStringLiteral("adapte"), c.adapte);
    lireAspect(l, l.objet(o, QStringLiteral("aspect")), c.aspect);
    if (!l.ok()) return horsLimites(l.faute);
    // These depend on the clip's length, now known to be right.
    l.entier(o, QStringLiteral("t0"), 1, c.clip.nbImages, c.t0);
    l.entier(o, QStringLiteral("imageAffichee"), 0, c.clip.nbImages - 1, c.imageAffichee);
    if (!l.ok()) return horsLimites(l.faute);
    const QString raison = lirePoints(o.value(QStringLiteral("points")), c);
    if (!raison.isEmpty()) {
        r.erreur = refus(nomFichier, raison);
        return r;
    }
    r.contenu = std::move(c);
    return r;
}

void extraire(const Seance& s, ContenuSeance& c) {
    c.etalonnage = s.etalonnage();
    c.points = s.plage(0, s.clip().nbImages - 1, 1, Seance::pointsMax);
    c.n = s.n();
    c.t0 = s.t0();
    c.chiffresXY = s.chiffresXY();
    c.decimalesT = s.decimalesT();
    c.cadencePriseDeVue =
        s.cadencePriseDeVue() == s.clip().cadenceFichier ? 0.0L : s.cadencePriseDeVue();
}

void appliquer(const ContenuSeance& c, Seance& s) {
    s.setEtalonnage(c.etalonnage);
    s.restaurer(0, s.clip().nbImages - 1, 1, Seance::pointsMax, c.points);
    s.setN(c.n);
    s.setT0(c.t0);
    s.setChiffresXY(c.chiffresXY);
    s.setDecimalesT(c.decimalesT);
    if (c.cadencePriseDeVue > 0) s.setCadencePriseDeVue(c.cadencePriseDeVue);
}

} // namespace fichierSeance
