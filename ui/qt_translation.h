// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tamsel {

// Makes Qt's own texts German, whatever the locale: the context menus of the
// text boxes ("Rückgängig", "Kopieren", "Alles auswählen") and the standard
// buttons of dialogs. Installs Qt's German translation into the running
// application; call it once after the application object is made. Returns
// false, and Qt keeps its English texts, when the translation is not
// installed (Debian: qt6-translations-l10n) or there is no application yet.
bool InstallQtGermanTranslation();

}  // namespace tamsel
