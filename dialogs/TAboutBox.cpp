#include "dialogs/TAboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The program's picture: a film frame with a dotted trajectory and a target.
QPixmap iconeProgramme() {
    QPixmap image(32, 32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 2));
    p.drawRect(1, 1, 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(6 + i * 5, 8 + i * i * 0.9), 1.6, 1.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::red, 1.2));
    p.drawEllipse(QPointF(24, 24), 4, 4);
    p.drawLine(QPointF(24, 18), QPointF(24, 30));
    p.drawLine(QPointF(18, 24), QPointF(30, 24));
    return image;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle(QStringLiteral("A propos..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(288, 203);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    auto* panneau = new QFrame(this);
    panneau->setObjectName("Panel1");
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    auto* icone = new QLabel(panneau);
    icone->setObjectName("ProgramIcon");
    icone->setFixedSize(32, 32);
    icone->setScaledContents(true);
    icone->setPixmap(iconeProgramme());

    const QString vert = QStringLiteral("color: rgb(0, 128, 0); font-weight: bold;");
    lblTitre = new QLabel(panneau);
    lblTitre->setObjectName("lblTitre");
    QFont grande = lblTitre->font();
    grande.setPixelSize(16);
    grande.setBold(true);
    lblTitre->setFont(grande);
    lblTitre->setStyleSheet(vert);
    lblDate = new QLabel(panneau);
    lblDate->setObjectName("lblDate");
    lblDate->setStyleSheet(vert);

    auto* dansPanneau = new QHBoxLayout(panneau);
    dansPanneau->addWidget(icone, 0, Qt::AlignTop);
    auto* textes = new QVBoxLayout;
    textes->addWidget(lblTitre);
    textes->addWidget(lblDate);
    textes->addStretch(1);
    dansPanneau->addLayout(textes, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(panneau, 1);
    pile->addWidget(ok, 0, Qt::AlignHCenter);
}

void TAboutBox::showEvent(QShowEvent* e) {
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
    FormShow();
}

void TAboutBox::FormShow() {
    lblTitre->setText(QStringLiteral("Kinopix v.3.02"));
    lblDate->setText(QStringLiteral("25/05/2007"));
}

void TAboutBox::OKButtonClick() {
    accept();
}
