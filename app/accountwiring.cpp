#include "accountwiring.h"

#include "accountdialog.h"
#include "accountservice.h"
#include "shellservices.h"

namespace AccountWiring {

namespace {

AccountService &service()
{
    static AccountService &shared = []() -> AccountService & {
        AccountService &s = AccountService::instance();
        QObject::connect(&s, &AccountService::accountChanged, &ShellServices::instance(),
                         &ShellServices::accountChanged);
        return s;
    }();
    return shared;
}

} // namespace

void install()
{
    ShellServices::AccountHooks hooks;
    hooks.current = [] {
        const AccountService &s = service();
        return ShellServices::Account{s.token(), s.username(), s.email()};
    };
    hooks.runDialog = [](QWidget *parent) {
        service();
        AccountDialog dialog(parent);
        dialog.exec();
    };
    ShellServices::instance().setAccountHooks(hooks);
}

} // namespace AccountWiring
