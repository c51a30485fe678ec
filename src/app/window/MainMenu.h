#pragma once

class QMenu;

namespace rmnra::ui {

class FormRelatAdministrativo;

// The main menu mm1 with every item bound to the window's commands; returns the popup pm1
// of "Preparar Livro" ("Mostrar Livro").
QMenu* buildMainMenu(FormRelatAdministrativo& window);

// The action list acl1: five actions with their pictures and the same commands; no control
// is bound to them.
void buildActionList(FormRelatAdministrativo& window);

} // namespace rmnra::ui
