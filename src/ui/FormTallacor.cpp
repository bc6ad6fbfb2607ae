// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormTallacor.h"

#include "ui/Centring.h"
#include "ui/Platform.h"
#include "ui/ProjectAddresses.h"
#include "ui/TangramArt.h"
#include "ui/Twips.h"
#include "ui/Widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace {
constexpr BgrColour kTextGrey = 0x00C0C0C0;
constexpr BgrColour kAddressBlue = 0x00FF9933;
constexpr BgrColour kPaleYellow = 0x00C0FFFF;

QFont fontOf(const QString& family, qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

// The pointer over an address: one of the game's large triangles, its right
// angle at the hot spot.
QCursor addressCursor() {
    QPixmap arrow(24, 24);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(toQColor(kPieceColours[0]));
    painter.drawPolygon(QPolygonF({{1, 1}, {20, 1}, {1, 20}}));
    return QCursor(arrow, 1, 1);
}

// A font wider than the one the window was drawn for must not cut a text
// short: it grows to the right, or to the left where the window ends, and the
// text after it on its line moves along.
void fitText(QLabel* text, QLabel* next) {
    const int width = std::max(text->width(), text->sizeHint().width());
    const int right = text->parentWidget()->width() - 8;
    text->setGeometry(std::min(text->x(), right - width), text->y(), width, text->height());
    if (!next) return;
    next->move(std::max(next->x(), text->geometry().right() + 4), next->y());
    fitText(next, nullptr);
}

QPixmap logo(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    paintTangramSquare(painter, QRectF(QPointF(), size).adjusted(8, 8, -8, -8), kBlack);
    return picture;
}
} // namespace

FormTallacor::FormTallacor(QWidget* mainWindow, Platform& platform)
    : QDialog(mainWindow), mainWindow_(mainWindow), platform_(platform) {
    setWindowTitle(QStringLiteral("Acerca de Sietari"));
    setFixedSize(toPixels(4260), toPixels(6300));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);
    buildControls();
    centreOnPointerScreen(this);
}

void FormTallacor::buildControls() {
    const auto label = [this](const char* name, const QString& text, BgrColour colour,
                              const QRect& place) {
        auto* control = new QLabel(text, this);
        control->setObjectName(QLatin1String(name));
        QPalette colours = control->palette();
        colours.setColor(QPalette::WindowText, toQColor(colour));
        control->setPalette(colours);
        control->setGeometry(place);
        control->installEventFilter(this);
        return control;
    };
    lblTitulo = label("lblTitulo", {}, kWhite, twipsRect(956, 180, 2955, 375));
    lblTitulo->setFont(fontOf(QStringLiteral("Arial Black"), 12, QFont::Black));
    imgIcono = label("imgIcono", {}, kWhite, twipsRect(349, 180, 480, 480));
    lblCreadoPor = label("lblCreadoPor", kProjectCredit, kWhite, twipsRect(956, 480, 2295, 255));
    imgLogo = label("imgLogo", {}, kWhite, twipsRect(405, 810, 3450, 3435));
    imgLogo->setPixmap(logo(imgLogo->size()));
    lblTexEmail =
        label("lblTexEmail", QStringLiteral("Email: "), kTextGrey, twipsRect(1080, 4365, 735, 255));
    lblMail = label("lblMail", kProjectMail, kAddressBlue, twipsRect(1605, 4350, 1575, 240));
    lblTexWeb =
        label("lblTexWeb", QStringLiteral("Web:"), kTextGrey, twipsRect(1095, 4635, 615, 255));
    lblURL = label("lblURL", kProjectWeb, kAddressBlue, twipsRect(1635, 4605, 1485, 240));
    for (auto [caption, address] :
         {std::pair{lblTexEmail, lblMail}, std::pair{lblTexWeb, lblURL}}) {
        address->setFont(fontOf(QStringLiteral("Arial"), 9.75));
        address->setCursor(addressCursor());
        address->setMouseTracking(true);
        fitText(caption, address);
    }
    lblTexto = label("lblTexto", {}, kTextGrey, twipsRect(240, 4980, 4185, 1005));
    lblTexto->setFont(fontOf(QStringLiteral("Arial"), 9));
    lblTexto->setWordWrap(true);
    lblClick = label("lblClick", QStringLiteral("[click para cerrar]"), kPaleYellow,
                     twipsRect(2805, 5955, 1320, 210));
    fitText(lblClick, nullptr);
    auto* shpMarco = new OutlineShape(kWhite, 1, Qt::SolidLine, this);
    shpMarco->setGeometry(rect());
}

// Title and icons come from the main window each time this one is activated.
void FormTallacor::Form_Activate() {
    lblTitulo->setText(mainWindow_->windowTitle());
    imgIcono->setPixmap(mainWindow_->windowIcon().pixmap(imgIcono->size()));
    setWindowIcon(mainWindow_->windowIcon());
}

bool FormTallacor::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) Form_Activate();
    return QDialog::event(event);
}

void FormTallacor::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) accept();
}

void FormTallacor::mouseMoveEvent(QMouseEvent*) {
    underline(lblMail, false);
    underline(lblURL, false);
}

void FormTallacor::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) accept();
}

// Labels: the addresses open and underline; every other label closes the window.
bool FormTallacor::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QLabel*>(watched);
    if (!control) return false;
    if (event->type() == QEvent::MouseMove && (control == lblMail || control == lblURL)) {
        underline(control, true);
        underline(control == lblMail ? lblURL : lblMail, false);
        return true;
    }
    if (event->type() != QEvent::MouseButtonRelease ||
        !control->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
        return false;
    if (control == lblMail)
        openAddress(QStringLiteral("mailto:") + lblMail->text());
    else if (control == lblURL)
        openAddress(QStringLiteral("http://") + lblURL->text());
    else
        accept();
    return true;
}

void FormTallacor::underline(QLabel* address, bool on) {
    QFont font = address->font();
    font.setUnderline(on);
    address->setFont(font);
}

void FormTallacor::openAddress(const QString& target) {
    platform_.openWithDesktop(target, QString());
}
