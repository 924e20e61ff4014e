#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// Clips written by clipgen for the tests, and reading back which image is on screen.
namespace clipstest {

// Path of a clip written by clipgen with these options (e.g. {"--codec", "h264",
// "--frames", "100"}) under the given file name, in a folder that lasts for the whole test
// run; each name is written once. Empty when clipgen failed.
QString clip(const QString& nom, const QStringList& options);

// Folder of those clips (for files the tests make themselves, such as damaged copies).
QString dossier();

// Index that clipgen drew into the picture shown in a zone of a widget (a grab of the
// widget, as on screen); -1 when no index can be read there.
int indexAffiche(QWidget* widget, const QRect& zone);

} // namespace clipstest
