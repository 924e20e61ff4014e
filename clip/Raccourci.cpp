#include "clip/Raccourci.h"

#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <optional>

namespace raccourci {

namespace {

constexpr uint32_t kTailleEnTete = 0x4C;
constexpr uint8_t kClsidShellLink[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// LinkFlags
constexpr uint32_t kAListeId = 0x1;
constexpr uint32_t kAInfoLien = 0x2;
constexpr uint32_t kANom = 0x4;
constexpr uint32_t kACheminRelatif = 0x8;
constexpr uint32_t kUnicode = 0x80;
constexpr uint32_t kSansInfoLien = 0x100;
// LinkInfoFlags
constexpr uint32_t kVolumeEtCheminLocal = 0x1;

// A bounds-checked view of the file's bytes: every read outside them gives nothing.
class Lecteur {
public:
    explicit Lecteur(const QByteArray& o)
        : o_(o) {}
    std::optional<uint32_t> u32(qsizetype p) const {
        if (p < 0 || p + 4 > o_.size()) return std::nullopt;
        return qFromLittleEndian<quint32>(o_.constData() + p);
    }
    std::optional<uint16_t> u16(qsizetype p) const {
        if (p < 0 || p + 2 > o_.size()) return std::nullopt;
        return qFromLittleEndian<quint16>(o_.constData() + p);
    }
    // Zero-terminated 8-bit text from p, no further than fin.
    std::optional<QString> texte8(qsizetype p, qsizetype fin) const {
        fin = std::min(fin, o_.size());
        if (p < 0 || p >= fin) return std::nullopt;
        const qsizetype zero = o_.indexOf('\0', p);
        if (zero < 0 || zero >= fin) return std::nullopt;
        return cp1252::decoder(o_.mid(p, zero - p));
    }
    // Zero-terminated UTF-16 text from p, no further than fin.
    std::optional<QString> texte16(qsizetype p, qsizetype fin) const {
        fin = std::min(fin, o_.size());
        QString t;
        for (qsizetype q = p; q >= 0 && q + 2 <= fin; q += 2) {
            const char16_t c = qFromLittleEndian<quint16>(o_.constData() + q);
            if (c == 0) return t;
            t.append(QChar(c));
        }
        return std::nullopt;
    }
    // Counted string of the string data section; advances p past it.
    std::optional<QString> chaineComptee(qsizetype& p, bool unicode) const {
        const auto n = u16(p);
        if (!n) return std::nullopt;
        const qsizetype octets = qsizetype(*n) * (unicode ? 2 : 1);
        if (p + 2 + octets > o_.size()) return std::nullopt;
        const char* d = o_.constData() + p + 2;
        p += 2 + octets;
        if (unicode) return QString::fromUtf16(reinterpret_cast<const char16_t*>(d), *n);
        return cp1252::decoder(QByteArray(d, octets));
    }

private:
    const QByteArray& o_;
};

// Local base path + common path suffix of a LinkInfo structure starting at p.
QString cheminLocal(const Lecteur& l, qsizetype p) {
    const auto taille = l.u32(p), tailleEnTete = l.u32(p + 4), drapeaux = l.u32(p + 8);
    if (!taille || !tailleEnTete || !drapeaux || !(*drapeaux & kVolumeEtCheminLocal)) return {};
    const qsizetype fin = p + *taille;
    const bool unicode = *tailleEnTete >= 0x24;
    std::optional<QString> base, suffixe;
    if (unicode) {
        const auto oBase = l.u32(p + 28), oSuffixe = l.u32(p + 32);
        if (oBase && *oBase) base = l.texte16(p + *oBase, fin);
        if (oSuffixe && *oSuffixe) suffixe = l.texte16(p + *oSuffixe, fin);
    }
    if (!base) {
        const auto oBase = l.u32(p + 16), oSuffixe = l.u32(p + 24);
        if (oBase) base = l.texte8(p + *oBase, fin);
        if (oSuffixe) suffixe = l.texte8(p + *oSuffixe, fin);
    }
    if (!base) return {};
    return *base + suffixe.value_or(QString());
}

} // namespace

Chemins lireChemins(const QByteArray& octets) {
    Chemins c;
    const Lecteur l(octets);
    if (l.u32(0) != kTailleEnTete || octets.size() < qsizetype(kTailleEnTete) ||
        memcmp(octets.constData() + 4, kClsidShellLink, 16) != 0)
        return c;
    const uint32_t drapeaux = *l.u32(0x14);
    qsizetype p = kTailleEnTete;
    if (drapeaux & kAListeId) {
        const auto tailleListe = l.u16(p);
        if (!tailleListe) return c;
        p += 2 + *tailleListe;
    }
    if (drapeaux & kAInfoLien) {
        const auto tailleInfo = l.u32(p);
        if (!tailleInfo || *tailleInfo < 4) return c;
        if (!(drapeaux & kSansInfoLien)) c.local = cheminLocal(l, p);
        p += *tailleInfo;
    }
    const bool unicode = drapeaux & kUnicode;
    if (drapeaux & kANom) {
        if (!l.chaineComptee(p, unicode)) return c;
    }
    if (drapeaux & kACheminRelatif) {
        const auto relatif = l.chaineComptee(p, unicode);
        if (!relatif) return c;
        c.relatif = *relatif;
    }
    c.valide = p <= octets.size();
    return c;
}

QString cible(const QString& lien) {
    QFile fichier(lien);
    if (!fichier.open(QIODevice::ReadOnly)) return {};
    // A shortcut is a few kilobytes; anything far larger is not one.
    const QByteArray octets = fichier.read(1 << 20);
    const Chemins c = lireChemins(octets);
    if (!c.valide) return {};
    if (!c.local.isEmpty() && QFileInfo(c.local).isFile()) return c.local;
    if (!c.relatif.isEmpty()) {
        QString relatif = c.relatif;
        relatif.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QDir dossier = QFileInfo(lien).absoluteDir();
        const QString chemin = QDir::cleanPath(dossier.absoluteFilePath(relatif));
        if (QFileInfo(chemin).isFile()) return chemin;
    }
    return {};
}

} // namespace raccourci
