#pragma once

class QLocale;

// Qt's own texts (Yes/No buttons, context menus, dialogs) in French, from Qt's translations.
// The default locale is left alone: numbers and dates keep their fixed forms.
void installFrenchTranslations();
// The locale of texts shown in French (the calendar's month and day names).
QLocale frenchLocale();
