// clipgen: writes test and demonstration clips with FFmpeg's encoders.
//
//   clipgen [options] FICHIER        a test clip: every image draws its index and a disc
//   clipgen --demo FICHIER           the demonstration clip (ball thrown in front of a ruler)
//
// Options: --codec mjpeg|h264|hevc|vp9|av1|mpeg2|mpeg4|rawvideo   (default mjpeg)
//          --container avi|mp4|mkv|mov|webm|mpegts  (default: from the file's extension)
//          --size LxH                          (default 320x240)
//          --rate N or N/D                     (default 25)
//          --frames N                          (default 50)
//          --gop N   --bframes N               (h264, hevc, mpeg2, mpeg4; defaults 12, 0)
//          --open-gop                          (hevc: key frames whose leading images
//                                               refer to the previous group)
//          --capture-fps N                     (mp4, mov: the rate a phone says it filmed at)
//          --rotation DEG                      (mp4, mov: clockwise turn to apply on display,
//                                               stored in the track's display matrix; the
//                                               images are drawn upright and stored turned
//                                               back, --size being the stored size)
//          --pts EXPR                          (presentation time of image N in whole
//                                               milliseconds, an FFmpeg expression)
//          --tag FOURCC                        (codec tag written in the container)
//          --quality Q                         (mjpeg/mpeg4 -q:v, h264 -crf)
//
// Images are drawn here and piped raw into the ffmpeg program, which does the encoding.

#include "tools/clipgen/ImageTest.h"
#include "tools/clipgen/MatriceAffichage.h"
#include "tools/clipgen/ScenarioDemo.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QTransform>
#include <cstdio>
#include <functional>

namespace {

struct Options {
    QString codec = "mjpeg";
    QString conteneur;
    int largeur = 320, hauteur = 240;
    QString cadence = "25";
    int nbImages = 50;
    int gop = 12, bframes = 0;
    QString tag;
    QString qualite;
    bool gopOuvert = false;
    QString rotation;
    QString capture;
    QString pts;
    bool demo = false;
    QString sortie;
};

int erreur(const QString& texte) {
    std::fprintf(stderr, "clipgen: %s\n", qPrintable(texte));
    return 2;
}

bool lireOptions(const QStringList& args, Options& o, QString& message) {
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        auto valeur = [&](QString& v) {
            if (i + 1 >= args.size()) {
                message = a + " attend une valeur";
                return false;
            }
            v = args[++i];
            return true;
        };
        QString v;
        bool ok = true;
        if (a == "--demo") {
            o.demo = true;
        } else if (a == "--codec") {
            if (!valeur(o.codec)) return false;
        } else if (a == "--container") {
            if (!valeur(o.conteneur)) return false;
        } else if (a == "--size") {
            if (!valeur(v)) return false;
            const QStringList p = v.split('x');
            if (p.size() != 2)
                ok = false;
            else {
                bool a1 = false, a2 = false;
                o.largeur = p[0].toInt(&a1);
                o.hauteur = p[1].toInt(&a2);
                ok = a1 && a2 && o.largeur >= 16 && o.hauteur >= 16 && o.largeur % 2 == 0 &&
                     o.hauteur % 2 == 0;
            }
        } else if (a == "--rate") {
            if (!valeur(o.cadence)) return false;
        } else if (a == "--frames") {
            if (!valeur(v)) return false;
            o.nbImages = v.toInt(&ok);
            ok = ok && o.nbImages >= 0 && o.nbImages <= motif::indexMax + 1;
        } else if (a == "--gop") {
            if (!valeur(v)) return false;
            o.gop = v.toInt(&ok);
            ok = ok && o.gop >= 1;
        } else if (a == "--bframes") {
            if (!valeur(v)) return false;
            o.bframes = v.toInt(&ok);
            ok = ok && o.bframes >= 0;
        } else if (a == "--tag") {
            if (!valeur(o.tag)) return false;
        } else if (a == "--quality") {
            if (!valeur(o.qualite)) return false;
        } else if (a == "--open-gop") {
            o.gopOuvert = true;
        } else if (a == "--rotation") {
            if (!valeur(o.rotation)) return false;
        } else if (a == "--capture-fps") {
            if (!valeur(o.capture)) return false;
        } else if (a == "--pts") {
            if (!valeur(o.pts)) return false;
        } else if (a.startsWith("--")) {
            message = "option inconnue " + a;
            return false;
        } else {
            o.sortie = a;
        }
        if (!ok) {
            message = "valeur incorrecte pour " + a + " : " + v;
            return false;
        }
    }
    if (o.sortie.isEmpty()) {
        message = "usage : clipgen [--codec C] [--container F] [--size LxH] [--rate N/D] "
                  "[--frames N] [--gop N] [--bframes N] [--tag XXXX] [--quality Q] FICHIER\n"
                  "        clipgen --demo FICHIER";
        return false;
    }
    return true;
}

// Arguments of the ffmpeg program for the chosen codec and container.
QStringList argumentsFfmpeg(const Options& o) {
    QStringList a{
        "-hide_banner", "-loglevel", "error", "-y", "-f",
        "rawvideo",     "-pix_fmt",  "rgb24", "-s", QString("%1x%2").arg(o.largeur).arg(o.hauteur),
        "-framerate",   o.cadence,   "-i",    "-"};
    if (o.codec == "mjpeg") {
        a << "-c:v"
          << "mjpeg"
          << "-pix_fmt"
          << "yuvj420p"
          << "-q:v" << (o.qualite.isEmpty() ? "3" : o.qualite);
    } else if (o.codec == "h264") {
        a << "-c:v"
          << "libx264"
          << "-preset"
          << "veryfast"
          << "-crf" << (o.qualite.isEmpty() ? "20" : o.qualite) << "-pix_fmt"
          << "yuv420p"
          << "-g" << QString::number(o.gop) << "-keyint_min" << QString::number(o.gop)
          << "-sc_threshold"
          << "0"
          << "-bf" << QString::number(o.bframes);
    } else if (o.codec == "hevc") {
        a << "-c:v"
          << "libx265"
          << "-preset"
          << "ultrafast"
          << "-crf" << (o.qualite.isEmpty() ? "22" : o.qualite) << "-pix_fmt"
          << "yuv420p"
          << "-x265-params"
          << QString("log-level=error:keyint=%1:min-keyint=%1:scenecut=0:open-gop=%3:bframes=%2")
                 .arg(o.gop)
                 .arg(o.bframes)
                 .arg(o.gopOuvert ? 1 : 0)
          << "-tag:v"
          << "hvc1";
    } else if (o.codec == "vp9") {
        // Hidden alternate reference frames: decoding order differs from display order.
        a << "-c:v"
          << "libvpx-vp9"
          << "-deadline"
          << "good"
          << "-cpu-used"
          << "5"
          << "-b:v"
          << "0"
          << "-crf" << (o.qualite.isEmpty() ? "30" : o.qualite) << "-g" << QString::number(o.gop)
          << "-auto-alt-ref"
          << "1"
          << "-lag-in-frames"
          << "16"
          << "-pix_fmt"
          << "yuv420p";
    } else if (o.codec == "av1") {
        a << "-c:v"
          << "libsvtav1"
          << "-preset"
          << "12"
          << "-crf" << (o.qualite.isEmpty() ? "35" : o.qualite) << "-g" << QString::number(o.gop)
          << "-pix_fmt"
          << "yuv420p";
    } else if (o.codec == "mpeg2") {
        // Open GOPs unless closed ones are asked for: MPEG-2's own default.
        a << "-c:v"
          << "mpeg2video"
          << "-q:v" << (o.qualite.isEmpty() ? "3" : o.qualite) << "-g" << QString::number(o.gop)
          << "-bf" << QString::number(o.bframes);
    } else if (o.codec == "mpeg4") {
        a << "-c:v"
          << "mpeg4"
          << "-q:v" << (o.qualite.isEmpty() ? "3" : o.qualite) << "-g" << QString::number(o.gop)
          << "-bf" << QString::number(o.bframes);
    } else if (o.codec == "rawvideo") {
        a << "-c:v"
          << "rawvideo"
          << "-pix_fmt"
          << "bgr24";
    } else {
        a << "-c:v" << o.codec;
    }
    if (!o.tag.isEmpty()) a << "-tag:v" << o.tag;
    // The entry phones write for a slow-motion or time-lapse clip.
    if (!o.capture.isEmpty())
        a << "-metadata"
          << "com.android.capture.fps=" + o.capture << "-movflags"
          << "use_metadata_tags";
    // Times to the millisecond, kept as given instead of evened out to the rate.
    if (!o.pts.isEmpty())
        a << "-vf"
          << "settb=1/1000,setpts=" + o.pts << "-fps_mode"
          << "passthrough"
          << "-enc_time_base"
          << "1/1000";
    if (!o.conteneur.isEmpty()) a << "-f" << (o.conteneur == "mkv" ? "matroska" : o.conteneur);
    a << o.sortie;
    return a;
}

int ecrire(const Options& o, const std::function<void(QPainter&, int)>& dessiner) {
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    ffmpeg.start("ffmpeg", argumentsFfmpeg(o));
    if (!ffmpeg.waitForStarted()) return erreur("impossible de lancer ffmpeg");
    // With a display turn, each image is drawn as the viewer will see it, then stored turned
    // the other way, as a camera held sideways records it.
    const int tour = o.rotation.toInt();
    const QSize droite =
        tour % 180 != 0 ? QSize(o.hauteur, o.largeur) : QSize(o.largeur, o.hauteur);
    QImage vue(droite, QImage::Format_RGB888), image;
    for (int i = 0; i < o.nbImages; ++i) {
        {
            QPainter p(&vue);
            dessiner(p, i);
        }
        image = tour % 360 != 0 ? vue.transformed(QTransform().rotate(-tour)) : vue;
        for (int y = 0; y < image.height(); ++y) {
            const char* ligne = reinterpret_cast<const char*>(image.constScanLine(y));
            qint64 reste = qint64(image.width()) * 3;
            while (reste > 0) {
                const qint64 n = ffmpeg.write(ligne, reste);
                if (n < 0) return erreur("ffmpeg a refusé les images");
                ligne += n;
                reste -= n;
            }
        }
        while (ffmpeg.bytesToWrite() > (1 << 22))
            if (!ffmpeg.waitForBytesWritten(-1)) break;
    }
    while (ffmpeg.bytesToWrite() > 0)
        if (!ffmpeg.waitForBytesWritten(-1)) break;
    ffmpeg.closeWriteChannel();
    if (!ffmpeg.waitForFinished(-1) || ffmpeg.exitStatus() != QProcess::NormalExit ||
        ffmpeg.exitCode() != 0)
        return erreur("ffmpeg n'a pas pu écrire " + o.sortie);
    if (!o.rotation.isEmpty() &&
        !matrice::ecrireRotation(o.sortie, o.rotation.toInt(), o.largeur, o.hauteur))
        return erreur("impossible d'écrire la rotation dans " + o.sortie);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Text on images needs fonts, hence a GUI application, without any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options o;
    QString message;
    if (!lireOptions(app.arguments(), o, message)) return erreur(message);
    if (o.demo) {
        o.codec = "mjpeg";
        o.largeur = demo::largeur;
        o.hauteur = demo::hauteur;
        o.cadence = QString::number(demo::cadence);
        o.nbImages = demo::nbImages;
        return ecrire(o, [](QPainter& p, int i) { demo::dessinerImage(p, i); });
    }
    const int tour = o.rotation.toInt();
    const QSize taille =
        tour % 180 != 0 ? QSize(o.hauteur, o.largeur) : QSize(o.largeur, o.hauteur);
    const int n = o.nbImages;
    return ecrire(o, [&](QPainter& p, int i) { imagetest::dessinerImage(p, i, n, taille); });
}
