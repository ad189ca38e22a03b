// Times the main window's whole load sequence, from opening the database to
// the window shown, and the memory in use once it is open.

#include "bench/medir.h"
#include "windows/main/ventanaprincipal.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!bench::prepararBase(dir, app.arguments()))
        return 1;

    // The first opening warms the file cache; it is not counted.
    {
        VentanaPrincipal f;
        f.cargar();
    }
    // Closing a window (its shutdown statements) is left out of the timing.
    std::unique_ptr<VentanaPrincipal> abierta;
    bench::medir(
        "start-up: load sequence to window shown", 15,
        [&] {
            abierta = std::make_unique<VentanaPrincipal>();
            abierta->cargar();
            QApplication::processEvents();
        },
        [&] { abierta.reset(); });
    abierta.reset();

    VentanaPrincipal f;
    f.cargar();
    QApplication::processEvents();
    std::printf("resident memory with the main window open: %.1f MB\n",
                bench::memoriaResidenteMB());
    return 0;
}
