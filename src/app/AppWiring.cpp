#include "AppWiring.h"

#include "book/BookContext.h"
#include "book/BookReports.h"
#include "book/PrepareBook.h"
#include "data/Session.h"
#include "login/DatasetUserDirectory.h"
#include "login/SessionWorkArea.h"
#include "registration/DadosGerStore.h"
#include "reports/ReportModule.h"
#include "review/CorrectPrescribedCapsules.h"
#include "settings/AppSettings.h"
#include "tools/FormatDcbDescriptions.h"

namespace rmnra::ui {

AppWiring::AppWiring() = default;
AppWiring::~AppWiring() = default;

void AppWiring::createModules() {
    rm_ = std::make_unique<ReportModule>();
    session_ = std::make_unique<Session>(appSettings());
    users_ = std::make_unique<DatasetUserDirectory>(session_->dm);
    workArea_ = std::make_unique<SessionWorkArea>(*session_);
    registration_ = std::make_unique<DadosGerStore>(session_->dm);
}

WindowServices AppWiring::services(QWidget* window) {
    WindowServices s;
    if (!session_ || !rm_)
        return s;
    Session& session = *session_;
    ReportModule& rm = *rm_;
    s.runValues = &session.runValues;
    s.users = users_.get();
    s.workArea = workArea_.get();
    s.registration = registration_.get();
    s.reportRunner = [&rm, window](const std::string& name, const ReportData& data) {
        rm.execute(name, data, window);
    };
    s.closeReportProject = [&rm] { rm.close(); };
    s.activatePdfRenderer = [&rm] { rm.activatePdfRenderer(); };
    s.configurePrinter = [&rm, window] { rm.configurePrinter(window); };
    s.closeBookTable = [&session] { session.dm.RMNRB2.close(); };

    auto book = [&session](void (*command)(BookContext&)) {
        return [&session, command](UserInterface& ui) {
            BookContext ctx{session.dm.attachment(), session.runValues.currentCnpj(),
                            session.settings.BookOrdering, ui};
            command(ctx);
        };
    };
    s.prepareBook = [&session](UserInterface& ui) {
        BookContext ctx{session.dm.attachment(), session.runValues.currentCnpj(),
                        session.settings.BookOrdering, ui};
        actPrepararLivroExecute(ctx, session.dm2.attachment());
    };
    s.showOfficialBook = book(&ShowOfficialBook);
    s.showDetail = book(&ShowDetailedListing);
    s.correctCapsules = [&session](UserInterface& ui) {
        BookContext ctx{session.dm.attachment(), session.runValues.currentCnpj(),
                        session.settings.BookOrdering, ui};
        CorrectPrescribedCapsules(ctx);
    };
    s.formatDcb = [&session](UserInterface& ui) {
        FormatarDescrioDCB1Click(session.dm.attachment(), ui);
    };
    return s;
}

} // namespace rmnra::ui
