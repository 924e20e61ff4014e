#include "platform/OfficeUno.h"

#ifndef KINOPIX_UNO

// Built without the LibreOffice SDK: no office can be reached.
namespace officeUno {
bool pris() {
    return false;
}
automation::PtrObjet connecter(const Options&) {
    throw automation::Erreur(QStringLiteral("LibreOffice n'est pas pris en charge"));
}
automation::PtrObjet creer(const Options& o) {
    return connecter(o);
}
} // namespace officeUno

#else

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>
#include <csignal>
#include <dlfcn.h>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/UnknownPropertyException.hpp>
#include <com/sun/star/beans/XExactName.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/lang/XSingleServiceFactory.hpp>
#include <com/sun/star/reflection/InvocationTargetException.hpp>
#include <com/sun/star/reflection/XIdlClass.hpp>
#include <com/sun/star/reflection/XIdlMethod.hpp>
#include <com/sun/star/reflection/XIdlReflection.hpp>
#include <com/sun/star/script/XInvocation.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/bootstrap.hxx>
#include <typelib/typedescription.hxx>

#include <optional>
#include <unordered_map>

namespace css = com::sun::star;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;

using automation::Arguments;
using automation::Erreur;
using automation::ErreurDemarrage;
using automation::PtrObjet;
using automation::Valeur;

namespace officeUno {

namespace {

OUString ou(const QString& s) {
    return OUString(reinterpret_cast<const sal_Unicode*>(s.utf16()), s.size());
}
QString qs(const OUString& s) {
    return QString(reinterpret_cast<const QChar*>(s.getStr()), s.getLength());
}

// This process's own UNO context, made once. It must know the office's types, or the
// bridge is disposed as soon as an office object arrives.
Reference<css::uno::XComponentContext> contexteLocal() {
    static Reference<css::uno::XComponentContext> contexte = [] {
        // The bridge writes into the office's pipe: an office that quits meanwhile must give
        // an error, not the signal that ends this process.
        std::signal(SIGPIPE, SIG_IGN);
        rtl::Bootstrap::set(
            OUString("URE_BOOTSTRAP"),
            OUString("vnd.sun.star.pathname:" LIBREOFFICE_PROGRAMME "/fundamentalrc"));
        // Opened from the office's folder, where it finds the office's private libraries:
        // linked, it would need a run path to start the program at all.
        void* aide =
            dlopen(LIBREOFFICE_PROGRAMME "/libuno_cppuhelpergcc3.so.3", RTLD_NOW | RTLD_GLOBAL);
        using Amorce = Reference<css::uno::XComponentContext> (*)();
        const auto amorcer =
            aide ? reinterpret_cast<Amorce>(
                       dlsym(aide, "_ZN4cppu40defaultBootstrap_InitialComponentContextEv"))
                 : nullptr;
        if (!amorcer) {
            const char* raison = dlerror();
            throw Erreur(QStringLiteral("LibreOffice est absent : %1").arg(raison ? raison : ""));
        }
        return amorcer();
    }();
    return contexte;
}

QString message(const css::uno::Exception& e) {
    const QString m = qs(e.Message);
    return m.isEmpty() ? QStringLiteral("erreur UNO") : m;
}

// A failure of the office's object itself, rather than of the call's route.
QString messageCible(const css::reflection::InvocationTargetException& e) {
    css::uno::Exception cause;
    return (e.TargetException >>= cause) ? message(cause) : message(e);
}

// What the objects of one connection share. A name is first answered by an Invocation adapter
// made by the office's own Invocation service (an adapter made here would introspect the
// object through the pipe: five round trips before the first call). The names the objects
// answered to are kept, so that a name is not asked again of every new cell. A method kept
// that way, on an interface known to declare it, is then called through the office's core
// reflection, still by name, and a property kept that way is set through the object's
// property set, as an OLE client keeps the dispatch id of a name: a new cell needs no adapter
// of its own, which would cost two more round trips and the office's introspection of it.
struct Lien {
    Reference<css::lang::XSingleServiceFactory> invocation;
    Reference<css::reflection::XIdlReflection> reflexion;
    bool invisible = false;
    struct Membre {
        OUString exact;
        bool methode = false;
    };
    QHash<QString, Membre> membres;
    // The office's description of a method, by interface and exact name (null when the office
    // does not know it).
    std::unordered_map<OUString, Reference<css::reflection::XIdlMethod>, rtl::OUStringHash>
        methodes;

    Reference<css::reflection::XIdlMethod> methode(const OUString& interface,
                                                   const OUString& exact) {
        const OUString cle = interface + "::" + exact;
        if (const auto i = methodes.find(cle); i != methodes.end()) return i->second;
        Reference<css::reflection::XIdlMethod> m;
        if (reflexion.is())
            if (const auto classe = reflexion->forName(interface); classe.is())
                m = classe->getMethod(exact);
        return methodes.emplace(cle, m).first->second;
    }
};
using PtrLien = std::shared_ptr<Lien>;

// True when the interface (or one it inherits) has a method of that exact name.
bool declare(const css::uno::Type& interface, const OUString& methode) {
    css::uno::TypeDescription td(interface);
    if (!td.is() || td.get()->eTypeClass != typelib_TypeClass_INTERFACE) return false;
    td.makeComplete();
    const auto* itd = reinterpret_cast<const typelib_InterfaceTypeDescription*>(td.get());
    const OUString fin = "::" + methode;
    for (sal_Int32 i = 0; i < itd->nAllMembers; ++i) {
        const typelib_TypeDescriptionReference* m = itd->ppAllMembers[i];
        if (m->eTypeClass == typelib_TypeClass_INTERFACE_METHOD &&
            OUString::unacquired(&m->pTypeName).endsWith(fin))
            return true;
    }
    return false;
}

PtrObjet envelopper(const Reference<css::uno::XInterface>& cible, const css::uno::Type& type,
                    const PtrLien& lien);

class ObjetUno : public automation::Objet {
public:
    ObjetUno(Reference<css::uno::XInterface> cible, css::uno::Type type, PtrLien lien)
        : cible_(std::move(cible))
        , type_(std::move(type))
        , lien_(std::move(lien)) {}

    const Reference<css::uno::XInterface>& cible() const { return cible_; }

    Valeur appeler(const QString& nom, const Arguments& arguments) override {
        try {
            if (const auto m = connu(nom, arguments.empty())) {
                try {
                    return executer(*m, arguments);
                } catch (const css::beans::UnknownPropertyException&) {
                } catch (const css::lang::IllegalArgumentException&) {
                }
            }
            const OUString n = nomExact(nom);
            if (adaptateur()->hasMethod(n)) return executer(retenir(nom, n, true), arguments);
            if (arguments.empty() && adaptateur()->hasProperty(n))
                return executer(retenir(nom, n, false), arguments);
        } catch (const css::reflection::InvocationTargetException& e) {
            throw Erreur(messageCible(e));
        } catch (const css::uno::Exception& e) {
            throw Erreur(message(e));
        }
        throw Erreur(QStringLiteral("membre inconnu « %1 »").arg(nom));
    }

    void affecter(const QString& nom, const Valeur& valeur) override {
        try {
            if (const auto m = connu(nom, true); m && !m->methode) {
                if (ecrireParJeu(m->exact, valeur)) return;
                try {
                    adaptateur()->setValue(m->exact, versAny(valeur));
                    return;
                } catch (const css::beans::UnknownPropertyException&) {
                }
            }
            const OUString n = nomExact(nom);
            if (!adaptateur()->hasProperty(n))
                throw Erreur(QStringLiteral("propriété inconnue « %1 »").arg(nom));
            adaptateur()->setValue(retenir(nom, n, false).exact, versAny(valeur));
        } catch (const css::reflection::InvocationTargetException& e) {
            throw Erreur(messageCible(e));
        } catch (const css::uno::Exception& e) {
            throw Erreur(message(e));
        }
    }

private:
    // The object's Invocation adapter, made the first time a name must be asked of it.
    const Reference<css::script::XInvocation>& adaptateur() {
        if (!inv_.is()) {
            Sequence<Any> arguments(1);
            arguments.getArray()[0] <<= cible_;
            // The Invocation service is only offered as a single-service factory.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            inv_.set(lien_->invocation->createInstanceWithArguments(arguments), UNO_QUERY_THROW);
#pragma GCC diagnostic pop
        }
        return inv_;
    }

    // A property already resolved, set through the object's property set by name; false when
    // the object has no property set or its set does not take it (it may still be a property
    // of another kind, or need a conversion, which the adapter makes).
    bool ecrireParJeu(const OUString& exact, const Valeur& valeur) {
        const auto ecrire = lien_->methode(OUString("com.sun.star.beans.XPropertySet"),
                                           OUString("setPropertyValue"));
        if (!ecrire.is()) return false;
        Sequence<Any> entrees(2);
        entrees.getArray()[0] <<= exact;
        entrees.getArray()[1] = versAny(valeur);
        try {
            ecrire->invoke(Any(cible_), entrees);
            return true;
        } catch (const css::lang::IllegalArgumentException&) {
            return false;
        } catch (const css::lang::DisposedException&) {
            throw;
        } catch (const css::uno::RuntimeException&) {
            return false; // how the office's reflection refuses an object without property set
        } catch (const css::reflection::InvocationTargetException& e) {
            if (e.TargetException.isExtractableTo(
                    cppu::UnoType<css::beans::UnknownPropertyException>::get()) ||
                e.TargetException.isExtractableTo(
                    cppu::UnoType<css::lang::IllegalArgumentException>::get()))
                return false;
            throw;
        }
    }

    // How a name already resolved may be used on this object without asking the office. A
    // property is simply tried: an object without it refuses it. A method is tried only when
    // this object answered to it already or its interface is known to have it, since the
    // office's refusal of an unknown method ends the whole connection.
    std::optional<Lien::Membre> connu(const QString& nom, bool sansArgument) {
        const auto i = lien_->membres.constFind(nom);
        if (i == lien_->membres.cend()) return std::nullopt;
        if (!i->methode) {
            if (sansArgument) return *i;
            return std::nullopt;
        }
        if (verifies_.contains(nom) || declare(type_, i->exact)) return *i;
        return std::nullopt;
    }

    Lien::Membre retenir(const QString& nom, const OUString& exact, bool methode) {
        const Lien::Membre m{exact, methode};
        lien_->membres.insert(nom, m);
        verifies_.insert(nom);
        return m;
    }

    Valeur executer(const Lien::Membre& m, const Arguments& arguments) {
        if (!m.methode) return versValeur(adaptateur()->getValue(m.exact));
        Sequence<Any> entrees(static_cast<sal_Int32>(arguments.size()));
        Any* e = entrees.getArray();
        for (size_t i = 0; i < arguments.size(); ++i)
            e[i] = versAny(arguments[i]);
        // An office without windows cannot show a new document: it loads it hidden and
        // makes its frame the active one, as a shown document would be.
        const bool cache = lien_->invisible && entrees.getLength() == 4 &&
                           m.exact.equalsIgnoreAsciiCase("loadComponentFromURL");
        if (cache) {
            css::beans::PropertyValue p;
            p.Name = "Hidden";
            p.Value <<= true;
            e[3] <<= Sequence<css::beans::PropertyValue>(&p, 1);
        }
        Valeur r = invoquer(m.exact, entrees);
        if (cache && !r.estVide())
            appeler(QStringLiteral("setActiveFrame"),
                    {r.objet()
                         ->objet(QStringLiteral("CurrentController"))
                         ->objet(QStringLiteral("Frame"))});
        return r;
    }

    // A method of an interface known to declare it goes straight to the office's core
    // reflection; the adapter converts the arguments that the reflection does not take as
    // they are.
    Valeur invoquer(const OUString& exact, Sequence<Any>& entrees) {
        if (declare(type_, exact)) {
            if (const auto methode = lien_->methode(type_.getTypeName(), exact); methode.is()) {
                try {
                    return versValeur(methode->invoke(Any(cible_), entrees));
                } catch (const css::lang::IllegalArgumentException&) {
                }
            }
        }
        Sequence<sal_Int16> indicesSortie;
        Sequence<Any> sorties;
        return versValeur(adaptateur()->invoke(exact, entrees, indicesSortie, sorties));
    }

    // OLE automation names ignore letter case; UNO's do not.
    OUString nomExact(const QString& nom) {
        const OUString n = ou(nom);
        if (!exactDemande_) {
            exact_.set(adaptateur(), UNO_QUERY);
            exactDemande_ = true;
        }
        if (!exact_.is()) return n;
        const OUString e = exact_->getExactName(n);
        return e.isEmpty() ? n : e;
    }

    static Any versAny(const Valeur& v) {
        switch (v.genre()) {
        case Valeur::Genre::Vide:
            return Any();
        case Valeur::Genre::Booleen:
            return Any(v.booleen());
        case Valeur::Genre::Entier:
            return Any(static_cast<sal_Int32>(v.entier()));
        case Valeur::Genre::Reel:
            return Any(v.reel());
        case Valeur::Genre::Texte:
            return Any(ou(v.texte()));
        case Valeur::Genre::TableauVide:
            return Any(Sequence<Any>());
        case Valeur::Genre::Objet:
            if (auto* o = dynamic_cast<ObjetUno*>(v.objet().get())) return Any(o->cible());
            throw Erreur(QStringLiteral("objet étranger à LibreOffice"));
        }
        return Any();
    }

    Valeur versValeur(const Any& a) const {
        switch (a.getValueTypeClass()) {
        case css::uno::TypeClass_BOOLEAN:
            return Valeur(*static_cast<const sal_Bool*>(a.getValue()) != 0);
        case css::uno::TypeClass_BYTE:
        case css::uno::TypeClass_SHORT:
        case css::uno::TypeClass_UNSIGNED_SHORT:
        case css::uno::TypeClass_LONG:
        case css::uno::TypeClass_UNSIGNED_LONG:
        case css::uno::TypeClass_HYPER:
        case css::uno::TypeClass_UNSIGNED_HYPER: {
            sal_Int64 i = 0;
            a >>= i;
            return Valeur(static_cast<int>(i));
        }
        case css::uno::TypeClass_FLOAT:
        case css::uno::TypeClass_DOUBLE: {
            double x = 0;
            a >>= x;
            return Valeur(x);
        }
        case css::uno::TypeClass_STRING:
            return Valeur(qs(a.get<OUString>()));
        case css::uno::TypeClass_INTERFACE: {
            Reference<css::uno::XInterface> i;
            a >>= i;
            return i.is() ? Valeur(envelopper(i, a.getValueType(), lien_)) : Valeur();
        }
        default:
            return Valeur();
        }
    }

    Reference<css::uno::XInterface> cible_;
    css::uno::Type type_; // the interface it was handed over as
    PtrLien lien_;
    Reference<css::script::XInvocation> inv_; // made when first needed
    QSet<QString> verifies_;                  // names this very object answered to
    Reference<css::beans::XExactName> exact_;
    bool exactDemande_ = false;
};

PtrObjet envelopper(const Reference<css::uno::XInterface>& cible, const css::uno::Type& type,
                    const PtrLien& lien) {
    return std::make_shared<ObjetUno>(cible, type, lien);
}

QString tube(const Options& o) {
    return o.tube.isEmpty() ? tubeParDefaut() : o.tube;
}

// How a start program that ended on its own went: the last line it wrote, else its end.
QString raisonArret(const QProcess& p, const QString& journal) {
    QFile f(journal);
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lignes = f.readAll().split('\n');
        for (auto l = lignes.crbegin(); l != lignes.crend(); ++l)
            if (const QString t = QString::fromLocal8Bit(*l).trimmed(); !t.isEmpty()) return t;
    }
    if (p.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("le programme s'est arrêté brutalement (signal %1)")
            .arg(p.exitCode());
    return QStringLiteral("le programme s'est terminé avec le code %1").arg(p.exitCode());
}

// The process object of a start program still running is left to it: the office goes on
// with its document after the transfer, and after this program has quit.
void laisser(QProcess* p) {
    if (p->state() == QProcess::NotRunning) {
        delete p;
        return;
    }
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
}

} // namespace

bool pris() {
    return true;
}

PtrObjet connecter(const Options& o) {
    try {
        Reference<css::uno::XComponentContext> local = contexteLocal();
        Reference<css::bridge::XUnoUrlResolver> resolveur(
            local->getServiceManager()->createInstanceWithContext(
                OUString("com.sun.star.bridge.UnoUrlResolver"), local),
            UNO_QUERY_THROW);
        const QString url =
            QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(tube(o));
        Reference<css::uno::XComponentContext> distant(resolveur->resolve(ou(url)),
                                                       UNO_QUERY_THROW);
        auto lien = std::make_shared<Lien>();
        lien->invisible = o.invisible;
        lien->invocation.set(distant->getServiceManager()->createInstanceWithContext(
                                 OUString("com.sun.star.script.Invocation"), distant),
                             UNO_QUERY_THROW);
        // Without it, every call goes through the adapters.
        lien->reflexion.set(distant->getValueByName(
                                OUString("/singletons/com.sun.star.reflection.theCoreReflection")),
                            UNO_QUERY);
        return envelopper(distant->getServiceManager(),
                          cppu::UnoType<css::lang::XMultiComponentFactory>::get(), lien);
    } catch (const css::uno::Exception& e) {
        throw Erreur(message(e));
    }
}

PtrObjet creer(const Options& o) {
    try {
        return connecter(o);
    } catch (const Erreur&) {
    }
    const QString soffice = programme(o);
    if (soffice.isEmpty()) throw Erreur(QStringLiteral("LibreOffice est absent"));
    QStringList arguments{QStringLiteral("--accept=pipe,name=%1;urp;").arg(tube(o)),
                          QStringLiteral("--norestore"), QStringLiteral("--nologo")};
    if (!o.profil.isEmpty())
        arguments << QStringLiteral("-env:UserInstallation=%1")
                         .arg(QUrl::fromLocalFile(QDir(o.profil).absolutePath()).toString());
    if (o.invisible)
        arguments << QStringLiteral("--headless") << QStringLiteral("--nodefault");
    else
        arguments << QStringLiteral("--calc");
    // Watched until the pipe answers, so that a start program that ends first is told with
    // its reason; what it writes goes to a file, which no longer matters once it answers.
    QString journal;
    {
        QTemporaryFile f(QDir::temp().filePath(QStringLiteral("kinopix_office_XXXXXX.log")));
        f.setAutoRemove(false);
        if (f.open()) journal = f.fileName();
    }
    auto* processus = new QProcess;
    processus->setProcessChannelMode(QProcess::MergedChannels);
    processus->setStandardInputFile(QProcess::nullDevice());
    processus->setStandardOutputFile(journal.isEmpty() ? QProcess::nullDevice() : journal);
    processus->start(soffice, arguments);
    if (!processus->waitForStarted()) {
        const QString raison = processus->errorString();
        delete processus;
        QFile::remove(journal);
        throw ErreurDemarrage(raison);
    }
    auto fin = qScopeGuard([&] {
        laisser(processus);
        QFile::remove(journal);
    });

    // A first start on a new profile ends once and starts again: keep trying until the
    // pipe answers.
    QElapsedTimer montre;
    montre.start();
    for (;;) {
        try {
            return connecter(o);
        } catch (const Erreur&) {
            if (montre.elapsed() > o.delaiMs) throw;
        }
        if (o.attendre && !o.attendre(static_cast<int>(montre.elapsed())))
            throw Erreur(QStringLiteral("attente de LibreOffice abandonnée"));
        if (processus->state() == QProcess::NotRunning)
            QThread::msleep(100);
        else
            processus->waitForFinished(100);
        // Ending well, it handed the start over to an office already running on the
        // profile, which opens the pipe in its turn.
        if (processus->state() == QProcess::NotRunning &&
            (processus->exitStatus() != QProcess::NormalExit || processus->exitCode() != 0))
            throw ErreurDemarrage(raisonArret(*processus, journal));
    }
}

} // namespace officeUno

#endif
