#pragma once

#include <QPalette>
#include <QString>

#include <optional>

// The program's looks: the desktop's own, or a dark or a high-contrast
// palette on the Fusion style. The choice given with --theme is remembered
// for the next starts.
namespace temas {

enum class Tema { Sistema, Oscuro, Contraste };

// "system", "dark" or "high-contrast"; nothing for any other word.
std::optional<Tema> temaDeNombre(const QString& nombre);
QString nombreDeTema(Tema tema);

QPalette paletaOscura();
QPalette paletaContraste();

// The remembered choice, after `pedido` (from the command line) if given.
Tema elegir(const std::optional<Tema>& pedido);
// Applies `tema` to the whole application; the desktop's theme is left alone.
void aplicar(Tema tema);

} // namespace temas
