#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QString>
#include <QStringList>

class QProgressDialog;

class QHBoxLayout;
class QLabel;
class QPushButton;
class QColor;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Small pieces every window is built from.

// A widget of type T inside `padre`, carrying the object name.
template <typename T> T* crear(QWidget* padre, const char* nombre)
{
    auto* w = new T(padre);
    w->setObjectName(QLatin1String(nombre));
    return w;
}

// A label showing `texto` as plain text, wrapped over several lines.
QLabel* etiqueta(QWidget* padre, const char* nombre, const QString& texto);
QPushButton* boton(QWidget* padre, const char* nombre, const QString& texto);

// The name a screen reader announces for `control`; the label on screen that
// names the field, if any, becomes its buddy (its shortcut, if it has one,
// then reaches the field).
void nombrar(QWidget* control, const QString& nombre, QLabel* rotulo = nullptr);

// Progress of a long action that cannot be cancelled: called now and then
// while it runs, it shows a busy progress window once a second has passed
// and keeps the windows painted (user input waits for the end).
class AvanceLargo
{
public:
    AvanceLargo(QWidget* padre, const QString& texto);
    ~AvanceLargo();
    AvanceLargo(const AvanceLargo&) = delete;
    AvanceLargo& operator=(const AvanceLargo&) = delete;

    void operator()();

private:
    QWidget* m_padre;
    QString m_texto;
    QProgressDialog* m_dialogo = nullptr;
    QElapsedTimer m_reloj;
    qint64 m_ultimo = 0;
};

// A list view in report form whose columns carry the given captions and keys.
QTreeWidget* listaInforme(QWidget* padre, const char* nombre, const QStringList& titulos,
                          const QStringList& claves);

// Marks a row of a food list whose food is one of the user's own: the house
// icon before the name in column 0, and words for it in the tooltip and for
// screen readers.
void marcarSiPropio(QTreeWidgetItem* fila, qint64 alimento);

// The contrast of two colours as WCAG reckons it, from 1 (none) to 21.
double contraste(const QColor& a, const QColor& b);
// `color` laid with opacity `alfa` (0 to 255) over `fondo`, as it shows.
QColor mezcla(const QColor& color, int alfa, const QColor& fondo);
// The opacity, `alfa` at most, at which `color` laid over `fondo` keeps
// text in `texto` readable (a contrast of 4.5 or more), so that a tinted
// bar under a number stays readable on a light palette and a dark one.
int alfaLegible(const QColor& color, int alfa, const QColor& fondo, const QColor& texto);

// One label of a legend: where it goes and the object name it carries.
struct PiezaLeyenda
{
    QLabel** etiqueta;
    const char* nombre;
};

// The legend of the four nutrient categories, an icon and a caption each:
// `piezas` lists icon then caption, category by category.
QHBoxLayout* leyendaCategorias(QWidget* padre, const PiezaLeyenda (&piezas)[8]);

// Places `ventana` centred over `principal`'s window, moved down and right
// by `paso` steps so that windows opened one after another cascade; kept
// on the screen.
void situarSobre(QWidget* ventana, const QWidget* principal, int paso = 0);

// True when the text is not empty and holds only digits (0 to 9, or those of
// another script, as an Arabic or Persian keyboard types them).
bool soloDigitos(const QString& texto);
