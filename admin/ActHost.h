#pragma once

#include "common/RuntimeError.h"
#include "common/act/Act.h"

#include <memory>

namespace corvane::admin {

/// The ACT! objects the administration tool holds from start-up until it ends. `Create_Database`
/// fills them in order; one that could not be obtained stays null.
struct ActHost {
    std::shared_ptr<act::Application> app;
    std::shared_ptr<act::Views> views;
    std::shared_ptr<act::View> contactView;
    std::shared_ptr<act::Database> database;
    std::shared_ptr<act::ContactTable> contact;
    std::shared_ptr<act::Fields> fields;
    std::shared_ptr<act::Users> users;
};

/// The object behind a held reference; VB's "Object variable or With block variable not set" (91)
/// when start-up could not obtain it.
template <class T> T& need(const std::shared_ptr<T>& object) {
    if (!object) {
        throw RuntimeError(vberr::ObjectVariableNotSet);
    }
    return *object;
}

} // namespace corvane::admin
