#include "admin/Module1.h"

namespace corvane::Module1 {

namespace {
constexpr int16_t kContactViewType = 1;
} // namespace

void Create_Database(admin::ActHost& host, act::ActFactory& factory, ErrorReporter& errors) {
    errors.guard("Module1: Sub Create_Database", [&](Statement& at) {
        at(10);
        host.app = act::CreateObjectAs<act::Application>(factory, act::kAppObjectClass);
        at(20);
        host.app->OpenFile("");
        at(30);
        host.views = host.app->Views();
        at(40);
        host.contactView = admin::need(host.views).Create(kContactViewType, std::string(act::kContactViewName));
        at(50);
        host.database = act::CreateObjectAs<act::Database>(factory, act::kDatabaseClass);
        at(60);
        host.database->OpenEx("");
        at(70);
        host.contact = host.database->Contact();
        at(80);
        host.fields = admin::need(host.contact).Fields();
        at(90);
        host.users = host.database->Users();
    });
}

} // namespace corvane::Module1
