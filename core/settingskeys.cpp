#include "settingskeys.h"

namespace settingskeys {

QList<Entry> all()
{
    return {{Theme, false},
            {Language, false},
            {ReopenAtStart, false},
            {SessionDocuments, false},
            {SessionCurrent, false},
            {PageTone, false},
            {AnnotationAuthor, false},
            {AnnotationStyles, true},
            {SigningCertificate, false},
            {TimestampUrl, false},
            {AccountService, false},
            {AccountSession, false}};
}

} // namespace settingskeys
