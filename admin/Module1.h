#pragma once

#include "admin/ActHost.h"
#include "common/ErrorReport.h"
#include "common/Module1.h"
#include "common/act/Act.h"

/// The administration tool's part of `Module1`, beside the helpers both programs share.
namespace corvane::Module1 {

/// Creates and attaches the ACT! objects in order: the application object and its `OpenFile`, its
/// views, the contact view "CV" (type 1), the database object and its `OpenEx`, the contact table,
/// its fields and the users. A failure is reported under "Module1: Sub Create_Database" and leaves
/// the remaining objects unset.
void Create_Database(admin::ActHost& host, act::ActFactory& factory, ErrorReporter& errors);

} // namespace corvane::Module1
