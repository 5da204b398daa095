#pragma once

#include <QString>

// The words drawn into pictures, in the language being painted. The Chinese
// pictures are written under zh/ and shown when Chinese is chosen.
namespace Captions {

enum Language
{
    English,
    Chinese
};

void setLanguage(Language language);
Language language();

// `english` in the language being painted.
QString text(const char *english);

// Chinese glyphs need a few more pixels than Latin capitals to stay legible.
qreal pixelSize(qreal englishSize);

} // namespace Captions
