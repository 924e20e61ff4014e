#pragma once

#include <QObject>

// The media device that holds the open clip (MediaPlayer1).
class PeripheriqueMedia : public QObject {
    Q_OBJECT
public:
    explicit PeripheriqueMedia(QObject* parent = nullptr) : QObject(parent) {
        setObjectName("MediaPlayer1");
    }
    bool estOuvert() const { return false; }
};
