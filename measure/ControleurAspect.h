#pragma once

#include <QColor>
#include <QObject>

class TForm1;

// Appearance of points, axes and pointer; the overlay drawing.
class ControleurAspect : public QObject {
    Q_OBJECT
public:
    explicit ControleurAspect(TForm1& form);

    // Called by other rooms (bodies are placeholders until this room is built).
    void Drawpoints();
    // The scale crosses and segment, drawn at once over the image shown.
    void dessinerSegmentEchelle(Qt::PenStyle style, const QColor& couleur);

private:
    TForm1& f;
};
