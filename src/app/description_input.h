#pragma once

#include <QValidator>

// The description editor's check of what is typed or pasted: a profile file holds
// Windows-1252, so each character it cannot hold is shown as the "?" that the file will keep,
// at once, and a tooltip under the editor says why. Nothing else is changed; the text is always
// acceptable.
class TBeschreibungsPruefer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& cursor) const override;
};
