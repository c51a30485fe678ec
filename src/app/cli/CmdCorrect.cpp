#include "BookCommandRun.h"
#include "Commands.h"
#include "review/CorrectPrescribedCapsules.h"

namespace rmnra::cli {

// "Acertar Qde. Caps. Prescrita" without the window; the consistency report on stdout.
int runCorrect(const std::vector<std::string>& args) {
    return runBookCommand({"rmnra correct --user NOME", false, false}, args,
                          [](Session&, BookContext& ctx, const BookCommandArgs&) {
                              return CorrectPrescribedCapsules(ctx);
                          });
}

} // namespace rmnra::cli
