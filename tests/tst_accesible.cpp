// Screen readers and the keyboard alone: every control the keyboard reaches
// has a name to be read by, the judgement is read in words, the dialogs
// save on Enter, and a week's intake is entered without a mouse.

#include "apoyo/escena.h"
#include "evaluation/informe.h"
#include "evaluation/sesion.h"
#include "windows/catalogue/dialogoingesta.h"
#include "windows/catalogue/editorpropio.h"
#include "windows/catalogue/pestanapropios.h"
#include "windows/common/controles.h"
#include "windows/common/temas.h"
#include "windows/evaluation/modeloresultados.h"
#include "windows/evaluation/ventanafuentes.h"
#include "windows/profiles/dialogoperfil.h"
#include "windows/profiles/pestanaperfiles.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>

namespace {

// The inner pieces of a combo box, a spin box or a view (line edit,
// viewport, scroll bars, cell editor) are read through the control itself.
bool pieza(const QWidget* w, const QWidget* ventana)
{
    for (const QWidget* p = w->parentWidget(); p && p != ventana; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

// The controls of `ventana` the keyboard can reach, shown or not, that a
// screen reader would announce without a name (one that hands its focus to
// another is checked in that one).
QStringList sinNombre(QWidget* ventana)
{
    QStringList faltan;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || w->focusProxy() || w->window() != ventana ||
            pieza(w, ventana))
            continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (!i || i->text(QAccessible::Name).trimmed().isEmpty())
            faltan << ventana->objectName() + QLatin1Char('/') + w->metaObject()->className() +
                          QLatin1Char(' ') + w->objectName();
    }
    return faltan;
}

PestanaPropios& pestanaOcho(Escena& e)
{
    return *qobject_cast<PestanaPropios*>(e.ui().frm_ocho);
}

void activar(QWidget* ventana)
{
    ventana->show();
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
}

// The pairs of palette roles a text is painted in and on.
const std::pair<QPalette::ColorRole, QPalette::ColorRole> paresDeTexto[] = {
    {QPalette::WindowText, QPalette::Window},
    {QPalette::Text, QPalette::Base},
    {QPalette::Text, QPalette::AlternateBase},
    {QPalette::ButtonText, QPalette::Button},
    {QPalette::HighlightedText, QPalette::Highlight},
    {QPalette::ToolTipText, QPalette::ToolTipBase},
    {QPalette::PlaceholderText, QPalette::Base},
    {QPalette::Link, QPalette::Base}};

// The widgets of `ventana` whose own text colour, in their palette as they
// are painted, stands out less than 4.5:1 from their background.
QStringList pocoContraste(QWidget* ventana)
{
    QStringList malos;
    for (QWidget* w : ventana->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(ventana))
            continue;
        const QPalette& p = w->palette();
        if (contraste(p.color(w->foregroundRole()), p.color(w->backgroundRole())) < 4.5)
            malos << w->metaObject()->className() + QLatin1Char(' ') + w->objectName();
    }
    return malos;
}

} // namespace

class TstAccesible : public QObject
{
    Q_OBJECT

private slots:
    // Under the dark and the high-contrast palette every text stands out
    // from its background by 4.5:1 or more, in every widget of every tab as
    // it is painted, and the "% WRI" bar keeps its number readable (as on
    // the light palette, where the bar looks as it always did). The four
    // judgements differ in lightness, for a red-green colour-blind eye.
    void temasLegibles()
    {
        const Veredicto juicios[] = {Veredicto::Exceso, Veredicto::Atencion, Veredicto::Correcto,
                                     Veredicto::AtencionLeve};
        for (const Veredicto a : juicios)
            for (const Veredicto b : juicios)
                if (a < b)
                    QVERIFY2(contraste(QColor(colorVeredicto(a)), QColor(colorVeredicto(b))) >= 1.4,
                             qPrintable(colorVeredicto(a) + QLatin1Char('/') + colorVeredicto(b)));
        for (const Veredicto v : juicios)
            QCOMPARE(alfaLegible(QColor(colorVeredicto(v)), 120, Qt::white, Qt::black), 120);

        const QPalette claro = QApplication::palette();
        for (const QPalette& paleta : {temas::paletaOscura(), temas::paletaContraste()}) {
            QApplication::setPalette(paleta);
            for (const auto& [texto, fondo] : paresDeTexto) {
                for (const auto grupo : {QPalette::Active, QPalette::Disabled})
                    QVERIFY2(contraste(paleta.color(grupo, texto), paleta.color(grupo, fondo)) >=
                                 4.5,
                             qPrintable(QStringLiteral("roles %1 on %2").arg(texto).arg(fondo)));
            }
            for (const Veredicto v : juicios) {
                const QColor barra(colorVeredicto(v));
                const QColor base = paleta.color(QPalette::Base);
                const QColor texto = paleta.color(QPalette::Text);
                QVERIFY(contraste(texto, mezcla(barra, alfaLegible(barra, 120, base, texto),
                                                base)) >= 4.5);
            }
            Escena e(0);
            for (int t = 0; t < e.ui().tbs_fichas->count(); ++t) {
                e.ui().tbs_fichas->setCurrentIndex(t);
                const QStringList malos = pocoContraste(e.f.get());
                QVERIFY2(malos.isEmpty(), qPrintable(malos.join(QLatin1String(", "))));
            }
        }
        QApplication::setPalette(claro);
    }

    // Every tab and window, a food's and a recipe's editor included.
    void todosConNombre()
    {
        Escena e(0);
        QStringList faltan = sinNombre(e.f.get());
        faltan +=
            sinNombre(cargarInfoCompleta(e.f.get(), e.f->sesion().valoresRecomendados,
                                         QStringLiteral("Butter, salted"), Fixture::mantequilla));
        faltan += sinNombre(
            new DialogoIngesta(e.f.get(), e.ui().lsv_ordenado, e.f->sesion().perfilActual));
        faltan += sinNombre(mostrarFuentes(e.f.get(), e.f->sesion(), QStringLiteral("Protein")));
        QTest::mouseClick(e.ui().cmd_perfilNuevo, Qt::LeftButton);
        DialogoPerfil* perfil = e.f->perfiles().dialogo();
        QVERIFY(perfil);
        faltan += sinNombre(perfil);
        // Save is the default button, Cancel never is.
        QVERIFY(ui(*perfil).cmd_guardar->isDefault() && !ui(*perfil).cmd_cancelar->isDefault());
        for (QPushButton* boton : {e.ui().cmd_alimentoNuevo, e.ui().cmd_recetaNueva}) {
            QTest::mouseClick(boton, Qt::LeftButton);
            EditorPropio* editor = pestanaOcho(e).editor();
            QVERIFY(editor);
            faltan += sinNombre(editor);
            QVERIFY(ui(*editor).cmd_guardar->isDefault() && !ui(*editor).cmd_cancelar->isDefault());
            editor->reject();
            QTRY_VERIFY(!pestanaOcho(e).editor());
        }
        QVERIFY2(faltan.isEmpty(), qPrintable(faltan.join(QStringLiteral(", "))));
    }

    // Enter saves the recipe from its name, but among the ingredients it
    // searches and adds, nothing more.
    void enterEnElEditor()
    {
        Escena e(7);
        activar(e.f.get());
        QTest::mouseClick(e.ui().cmd_recetaNueva, Qt::LeftButton);
        EditorPropio* editor = pestanaOcho(e).editor();
        activar(editor);
        const PantallaEditor u = ui(*editor);
        // Typed into the box with the focus, then Enter there.
        const auto escribir = [](QWidget* caja, const QString& texto) {
            caja->setFocus();
            QTest::keyClicks(caja, texto);
            QTest::keyClick(caja, Qt::Key_Return);
        };
        escribir(u.tbx_ingrediente, QStringLiteral("milk"));
        QVERIFY(u.lsv_candidatos->topLevelItemCount() > 0);
        u.lsv_candidatos->setCurrentItem(u.lsv_candidatos->topLevelItem(0));
        escribir(u.lsv_candidatos, QString());
        QCOMPARE(editor->focusWidget(), u.tbx_ingredienteCantidad);
        escribir(u.tbx_ingredienteCantidad, QStringLiteral("250"));
        QCOMPARE(u.tbl_ingredientes->rowCount(), 1);
        QCOMPARE(e.msgs.textos(), QStringList());
        escribir(u.tbx_nombre, QStringLiteral("Milk pudding"));
        QTRY_VERIFY(!pestanaOcho(e).editor());
        QCOMPARE(e.fx.valor("select count(*) from total where description='Milk pudding'").toInt(),
                 1);
    }

    // The colour of a judgement is told in words to the screen reader, and
    // the bar of "% WRI" to the eye in its tooltip too.
    void juicioEnPalabras()
    {
        Escena e(4);
        e.fx.ejecutar(QStringLiteral("insert into saves (prof_id, food_id, intake) values (1, "
                                     "1077, 700)"));
        e.ui().tbs_fichas->tabBarClicked(4);
        const QAbstractItemModel* m = e.ui().lsv_wri->model();
        QVERIFY(m->rowCount() > 0);
        for (int f = 0; f < m->rowCount(); ++f) {
            const QModelIndex juicio = m->index(f, ModeloResultados::Juicio);
            const QModelIndex wri = m->index(f, ModeloResultados::Wri);
            const QString leido = wri.data(Qt::AccessibleTextRole).toString();
            QVERIFY(!juicio.data().toString().isEmpty());
            QCOMPARE(juicio.data(Qt::AccessibleTextRole), juicio.data());
            QVERIFY2(leido.startsWith(wri.data().toString()) &&
                         leido.endsWith(juicio.data().toString()) &&
                         wri.data(Qt::ToolTipRole).toString().startsWith(leido + '\n'),
                     qPrintable(leido));
        }
    }

    // Alt+2, the search words, Enter, Tab to the groups and the foods, the
    // space bar, Tab to the grams, Enter: the week's intake is stored.
    void semanaSinRaton()
    {
        Escena e(0);
        activar(e.f.get());
        e.ui().cmb_edad->setFocus();
        const auto tecla = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), k, m);
        };
        tecla(Qt::Key_2, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), e.ui().tbx_buscar);
        QTest::keyClicks(e.ui().tbx_buscar, QStringLiteral("whole milk"));
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab})
            tecla(k);
        QCOMPARE(QApplication::focusWidget(), e.ui().lbx_categorias);
        tecla(Qt::Key_Tab);
        // The only food found, current but not chosen: the space bar chooses it.
        QCOMPARE(e.ui().lsv_alimentos->topLevelItemCount(), 1);
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Tab})
            tecla(k);
        QCOMPARE(QApplication::focusWidget(), e.ui().tbx_cantidad);
        QTest::keyClicks(e.ui().tbx_cantidad, QStringLiteral("700"));
        tecla(Qt::Key_Return);
        QCOMPARE(e.msgs.textos(), QStringList{"Intake saved"});
        QCOMPARE(e.fx.filas(QStringLiteral("select food_id, prof_id, intake from saves")),
                 (QList<QVariantList>{{Fixture::leche, 1, 700}}));
    }
};

QTEST_MAIN(TstAccesible)
#include "tst_accesible.moc"
