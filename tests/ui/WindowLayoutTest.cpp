#include "FakePlatform.h"
#include "TestMain.h"
#include "ui/Form1.h"

#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

namespace {
QWidget* controlNamed(Form1& form, const QString& name) {
    QMap<QString, QWidget*> controls{
        {"client", form.centralWidget()}, {"Label4", form.Label4},
        {"Label1(0)", form.Label1[0]},    {"Label1(1)", form.Label1[1]},
        {"Shape1(0)", form.Shape1[0]},    {"Shape2", form.Shape2},
        {"Shape3", form.Shape3},          {"Frame2", form.Frame2},
        {"Frame4", form.Frame4},          {"List1", form.List1},
        {"Command3", form.Command3}};
    for (int i = 0; i < 8; ++i) {
        controls[QStringLiteral("Command1(%1)").arg(i)] = form.Command1[i];
        controls[QStringLiteral("Frame1(%1)").arg(i)] = i < 4 ? form.Frame1[i] : nullptr;
        controls[QStringLiteral("Command10(%1)").arg(i)] = i < 7 ? form.Command10[i] : nullptr;
        controls[QStringLiteral("Check2(%1)").arg(i)] = i < 7 ? form.Check2[i] : nullptr;
    }
    return controls.value(name);
}

// Remembers which widget a press reached first, before any handler eats it.
class PressSpy : public QObject {
  public:
    QObject* first = nullptr;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !first) first = watched;
        return false;
    }
};
} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void menus_data();
    void menus();
    void controls_data();
    void controls();
    void pressReachesWhatIsSeen_data();
    void pressReachesWhatIsSeen();
};

void WindowLayoutTest::menus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");

    // caption|shortcut|flags: c checkable, x checked, d disabled as built,
    // s disabled once started (the first figure is then on show); "-" a separator.
    const QList<QPair<QString, QStringList>> menus = {
        {"Juego", {"Figura Aleatoria", "-", "Descubrir Ficha", "Solución||d", "-", "Reiniciar|F5"}},
        {"Opciones",
         {"Silueta|F2|c", "-", "Fichas Grandes||cx", "Fichas Medianas||c", "Fichas pequeñas||c",
          "Fichas Diminutas||c", "-", "Guardar Posición|F3", "Cargar Posición|F4|ds", "-",
          "Editar|F6|c", "Guardar Figura|F7|s"}},
        {"Ayuda", {"Como Jugar|F1", "Acerca de..."}},
    };
    for (const auto& [menu, items] : menus)
        for (int i = 0; i < items.size(); ++i)
            QTest::addRow("%s %d", qPrintable(menu), i)
                << menu << int(items.size()) << i << items[i];
}

void WindowLayoutTest::menus() {
    QFETCH(QString, menu);
    QFETCH(int, items);
    QFETCH(int, index);
    QFETCH(QString, item);
    const QStringList parts = (item + QStringLiteral("||")).split(QLatin1Char('|'));
    const QString flags = parts[2];

    FakePlatform platform;
    Form1 form(platform);
    QStringList titles;
    QMenu* found = nullptr;
    for (QAction* action : form.menuBar()->actions()) {
        titles << action->text();
        if (action->text() == menu) found = action->menu();
    }
    QCOMPARE(titles, (QStringList{"Juego", "Opciones", "Ayuda"}));
    QVERIFY(found);
    QCOMPARE(found->actions().size(), items);
    const QAction* action = found->actions().at(index);
    QCOMPARE(action->isSeparator(), item == QLatin1String("-"));
    if (action->isSeparator()) return;
    QCOMPARE(action->text(), parts[0]);
    QCOMPARE(action->shortcut(), QKeySequence::fromString(parts[1]));
    QCOMPARE(action->isCheckable(), flags.contains(QLatin1Char('c')));
    QCOMPARE(action->isEnabled(), !flags.contains(QLatin1Char('d')));
    QVERIFY(form.Form_Load());
    QCOMPARE(action->isChecked(), flags.contains(QLatin1Char('x')));
    QCOMPARE(action->isEnabled(), !flags.contains(QLatin1Char('s')));
}

void WindowLayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("layer");   // among the parent's widgets, bottom first
    QTest::addColumn<QRect>("twips"); // empty: not checked
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("cut");

    struct Row {
        QString name, parent;
        int layer;
        QRect twips;
        bool shown, cut;
    };
    const QRect pieceButton(120, 120, 6735, 6735);
    QList<Row> rows = {
        {"Label4", "client", 0, {0, 0, 6855, 6735}, true, false},
        {"Label1(0)", "client", 1, {240, 240, 6495, 6495}, true, false},
        {"Shape2", "client", 2, {}, false, false},
        {"Shape1(0)", "client", 3, {}, false, false},
        {"Shape3", "client", 4, {360, 360, 6255, 6255}, true, false},
        {"Frame1(0)", "client", 12, {-240, 0, 7095, 240}, true, false},
        {"Frame1(1)", "client", 13, {120, 6720, 6975, 135}, true, false},
        {"Frame1(2)", "client", 14, {0, 120, 240, 6615}, true, false},
        {"Frame1(3)", "client", 15, {6720, 0, 2655, 6735}, true, false},
        {"Command1(7)", "client", 16, pieceButton, false, false},
        {"Label1(1)", "Frame1(3)", 0, {120, 240, 2535, 2535}, true, false},
        // With the first figure on show the frame lies behind its pieces, but
        // above the green square, whose rim alone starts a selection band.
        {"Frame2", "Frame1(3)", 1, {170, 290, 2435, 2435}, true, false},
        {"List1", "Frame1(3)", 2, {120, 3540, 2535, 3180}, true, false},
        {"Frame4", "Frame1(3)", 10, {120, 2820, 2535, 675}, true, false},
        // Above the focus taker, so that its caption stays readable.
        {"Command3", "Frame4", 8, {1800, 240, 615, 255}, true, false},
    };
    // Left to right the boxes show pieces 2, 4, 3, 5, 0, 1, 6.
    const int checkLeft[7] = {1080, 1320, 120, 600, 360, 840, 1560};
    for (int p = 0; p <= 6; ++p) {
        rows << Row{QStringLiteral("Command1(%1)").arg(p), "client", 5 + p, pieceButton, true, true}
             << Row{QStringLiteral("Command10(%1)").arg(p), "Frame1(3)", 3 + p, {}, true, true}
             << Row{QStringLiteral("Check2(%1)").arg(p), "Frame4", p,
                    {checkLeft[p], 240, 255, 255},       true,     false};
    }
    for (const Row& row : rows)
        QTest::newRow(qPrintable(row.name))
            << row.name << row.parent << row.layer << row.twips << row.shown << row.cut;
}

void WindowLayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(int, layer);
    QFETCH(QRect, twips);
    QFETCH(bool, shown);
    QFETCH(bool, cut);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    QCOMPARE(form.windowTitle(), QStringLiteral("Sietari 2.0"));
    QCOMPARE(form.centralWidget()->size(), QSize(632, 453));

    QWidget* control = controlNamed(form, name);
    QWidget* container = controlNamed(form, parent);
    QVERIFY(control && container);
    QCOMPARE(control->parentWidget(), container);
    QList<QWidget*> stack;
    for (QObject* child : container->children())
        if (child->isWidgetType()) stack << static_cast<QWidget*>(child);
    QCOMPARE(stack.indexOf(control), layer);

    const auto pixels = [](int t) { return qRound(t / 15.0); };
    if (!twips.isEmpty())
        QCOMPARE(control->geometry(), QRect(pixels(twips.x()), pixels(twips.y()),
                                            pixels(twips.width()), pixels(twips.height())));
    if (name.startsWith(QLatin1String("Command10"))) // over the green preview square
        QVERIFY(form.Label1[1]->geometry().contains(control->geometry()));
    if (parent == QLatin1String("Frame4") && layer < 7)
        QCOMPARE(form.Check2[layer]->backColour(), kPieceColours[layer]);
    QCOMPARE(!control->isHidden(), shown);
    QCOMPARE(!control->mask().isEmpty(), cut);
}

void WindowLayoutTest::pressReachesWhatIsSeen_data() {
    QTest::addColumn<QPoint>("point"); // pixels of the client area
    QTest::addColumn<int>("piece");    // -1: the board
    const QPoint inside[7] = {{397, 396}, {117, 411}, {40, 293}, {259, 426},
                              {307, 392}, {48, 367},  {211, 393}};
    for (int p = 0; p <= 6; ++p)
        QTest::addRow("piece %d", p) << inside[p] << p;
    QTest::newRow("board, upper left") << QPoint(100, 100) << -1;
    QTest::newRow("board, upper right") << QPoint(300, 150) << -1;
    QTest::newRow("board, middle") << QPoint(200, 250) << -1;
}

// The piece buttons all cover the whole board; only their outlines may take a press.
void WindowLayoutTest::pressReachesWhatIsSeen() {
    QFETCH(QPoint, point);
    QFETCH(int, piece);

    FakePlatform platform;
    Form1 form(platform);
    QVERIFY(form.Form_Load());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Installed last, so it sees the press before any filter of the window.
    PressSpy spy;
    form.centralWidget()->installEventFilter(&spy);
    for (QWidget* widget : form.centralWidget()->findChildren<QWidget*>())
        widget->installEventFilter(&spy);

    const QPoint inWindow = form.centralWidget()->mapTo(&form, point);
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, inWindow);
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, inWindow);
    QObject* expected = piece < 0 ? static_cast<QObject*>(form.Label1[0]) : form.Command1[piece];
    QVERIFY2(spy.first == expected,
             qPrintable(spy.first ? spy.first->metaObject()->className() : "nobody"));
}

SIETARI_REGISTER_TEST(WindowLayoutTest)
#include "WindowLayoutTest.moc"
