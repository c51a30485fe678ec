#include "SessionWorkArea.h"

#include "data/Session.h"
#include "data/WorkAreaIdentification.h"

namespace rmnra {

WorkArea SessionWorkArea::identify(UserInterface& ui) {
    const WorkAreaIdentification found = IdentifyWorkArea(session_, ui);
    return {found.databaseName, found.caption};
}

} // namespace rmnra
