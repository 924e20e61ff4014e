#pragma once

// The clips the benchmarks run on, written by clipgen once into a folder kept between runs:
//   "mjpeg_640x480": 640 × 480 MJPEG AVI, 10 s at 30 images per second;
//   "h264_1080p":    1920 × 1080 H.264 MP4, 20 s at 30 images per second, groups of
//                    pictures of 250 images with B-frames;
//   "hevc_2160p":    3840 × 2160 HEVC MP4 as a phone films it, 8 s at 30 images per second,
//                    a key frame every 2 s, B-frames.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace clipsbench {

inline const QStringList& noms() {
    static const QStringList n{"mjpeg_640x480", "h264_1080p"};  // run by every clip benchmark
    return n;
}

// Path of the named clip; empty when it could not be written.
inline QString clip(const QString& nom) {
    const QString dossier = QDir::tempPath() + "/kinopix-bench";
    QDir().mkpath(dossier);
    QStringList options;
    QString fichier;
    if (nom == "mjpeg_640x480") {
        options = {"--codec", "mjpeg",    "--size", "640x480",     "--rate",
                   "30",      "--frames", "300",    "--container", "avi"};
        fichier = nom + ".avi";
    } else if (nom == "h264_1080p") {
        options = {"--codec", "h264",  "--size", "1920x1080", "--rate", "30",          "--frames",
                   "600",     "--gop", "250",    "--bframes", "3",      "--container", "mp4"};
        fichier = nom + ".mp4";
    } else if (nom == "hevc_2160p") {
        options = {"--codec", "hevc",  "--size", "3840x2160", "--rate", "30",          "--frames",
                   "240",     "--gop", "60",     "--bframes", "2",      "--container", "mp4"};
        fichier = nom + ".mp4";
    } else {
        return {};
    }
    const QString chemin = dossier + "/" + fichier;
    if (QFileInfo(chemin).size() > 0) return chemin;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(CLIPGEN_PATH, options << chemin + ".part");
    if (!p.waitForFinished(-1) || p.exitCode() != 0) return {};
    QFile::remove(chemin);
    return QFile::rename(chemin + ".part", chemin) ? chemin : QString();
}

} // namespace clipsbench
