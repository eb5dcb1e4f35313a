#pragma once

class QPlainTextEdit;
class QString;
class QWidget;

// What cannot be saved never gets into a field: characters that Windows-1252 cannot hold are
// refused as they are typed or pasted, and a hint beside the field names them.
void hintRefusedCharacters(QWidget* field, const QString& refused);
// A multi-line edit drops such characters whatever brings them (keys, paste, drop, input method).
void keepSaveable(QPlainTextEdit* edit);
