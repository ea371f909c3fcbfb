#pragma once

#include "common/RuntimeError.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// ACT!'s automation objects and event control, named as ACT! names them. Only the members that the
/// programs call are declared. Every member may fail: it then throws `corvane::RuntimeError` with
/// VB's error number and description, which the calling operation's guard reports.
///
/// Arguments that ACT! takes by reference (field numbers and indices, view types, decimal texts)
/// are passed by value here; a COM backend passes them as by-reference variants.
namespace corvane::act {

inline constexpr std::string_view kAppObjectClass = "ACTOLE.APPOBJECT";
inline constexpr std::string_view kDatabaseClass = "ACTOLE.DATABASE";
inline constexpr std::string_view kAuxCommandsClass = "ACTOLE.AUXCMDS";

/// Name of the contact view that both programs make with `Views::Create`.
inline constexpr std::string_view kContactViewName = "CV";

/// Any object created by class name.
class ActObject {
public:
    virtual ~ActObject() = default;
};

/// A view of ACT!'s window; the contact view "CV" is one.
class View {
public:
    virtual ~View() = default;
    virtual int16_t Type() = 0;
    /// Number of the field that has the focus in ACT!.
    virtual int16_t CurrentFieldID() = 0;
    /// The field's value for the current contact.
    virtual std::string GetField(int16_t fieldNumber) = 0;
    /// Stores the value into that field of the current contact.
    virtual void SetField(int16_t fieldNumber, const std::string& value) = 0;
};

class Views {
public:
    virtual ~Views() = default;
    virtual std::shared_ptr<View> GetActive() = 0;
    virtual std::shared_ptr<View> Create(int16_t viewType, const std::string& name) = 0;
};

/// "ACTOLE.APPOBJECT".
class Application : public ActObject {
public:
    /// Given "", attaches the object to the database that ACT! has open.
    virtual void OpenFile(const std::string& name) = 0;
    virtual std::shared_ptr<act::Views> Views() = 0;
    /// Runs an ACT! command: 104 at the trigger's start-up, 150 closes ACT!.
    virtual void Command(int16_t command) = 0;
    virtual std::string GetUserID() = 0;
    /// Full path of the open database.
    virtual std::string GetOpenDBName() = 0;
};

/// The contact table's field list.
class Fields {
public:
    virtual ~Fields() = default;
    virtual int32_t Count() = 0;
    /// Field number at an index, or -1 for an index that holds no field. Fails past the last index.
    virtual int16_t ID(int16_t index) = 0;
    virtual std::string Label(int16_t index) = 0;
    /// Entry rule of a field given its number as decimal text; 3 marks a protected field.
    virtual int32_t EntryRule(const std::string& fieldNumberText) = 0;
};

class ContactTable {
public:
    virtual ~ContactTable() = default;
    virtual std::shared_ptr<act::Fields> Fields() = 0;
};

/// The database's users. Positions count from 1.
class Users {
public:
    virtual ~Users() = default;
    virtual int32_t Count() = 0;
    virtual std::string Name(int16_t position) = 0;
    /// Unique ID of the user whose position is given as decimal text.
    virtual std::string UniqueID(const std::string& positionText) = 0;
    /// Security level of the logged-in user; 5 marks an administrator.
    virtual int32_t CurrentUserSecurity() = 0;
};

/// "ACTOLE.DATABASE".
class Database : public ActObject {
public:
    /// Given "", opens the database that ACT! has open.
    virtual void OpenEx(const std::string& name) = 0;
    virtual std::shared_ptr<ContactTable> Contact() = 0;
    virtual std::shared_ptr<act::Users> Users() = 0;
};

/// "ACTOLE.AUXCMDS": commands on ACT!'s toolbars and Tools menus. Views 1 to 6 are Contacts,
/// Contact List, Groups, Task List, Calendars and E-mail. Results of 0 mean success.
class AuxCommands : public ActObject {
public:
    virtual int32_t AuxCommandExists(const std::string& name) = 0;
    virtual int32_t AddAuxCommand(const std::string& name, const std::string& commandLine,
                                  const std::string& workingFolder, const std::string& menuText,
                                  const std::string& toolTip, const std::string& smallIcon,
                                  const std::string& largeIcon, int16_t kind) = 0;
    /// 0 or 1, whether the command is on that view's toolbar / Tools menu.
    virtual int32_t AuxCommandExistsInToolbar(int16_t view, const std::string& name) = 0;
    virtual int32_t AuxCommandExistsInToolsMenu(int16_t view, const std::string& name) = 0;
    virtual int32_t AddAuxCommandToToolbar(int16_t view, const std::string& name) = 0;
    virtual int32_t AddAuxCommandToToolsMenu(int16_t view, const std::string& name) = 0;
    virtual int32_t RemoveAuxCommandFromToolbar(int16_t view, const std::string& name) = 0;
    virtual int32_t RemoveAuxCommandFromToolsMenu(int16_t view, const std::string& name) = 0;
};

/// Receives the event control's events; a program's main form implements it.
class EventSink {
public:
    virtual ~EventSink() = default;
    /// The ACT! user is closing ACT!. The argument carries nothing the programs use.
    virtual void OnActUserWantsToClose(int32_t reason) = 0;
    /// The ACT! database is being closed.
    virtual void OnDatabaseClose() = 0;
};

/// ACT!'s event control, `ActEvent1` on each program's main form. Its operations are known only by
/// their dispatch numbers.
class EventControl {
public:
    virtual ~EventControl() = default;
    /// Given 0: a count greater than 0 while ACT! can be reached with a database open.
    virtual int32_t Operation1(int32_t value) = 0;
    /// Ends the link; called when a main form unloads.
    virtual void Operation2() = 0;
    /// True when ACT! has a database open.
    virtual bool Operation3() = 0;

    /// Where events go; null detaches. The control does not own the sink.
    virtual void SetEventSink(EventSink* sink) = 0;
    /// Delivers the events that have arrived since the last call. The program's message loops call
    /// it, so events reach the forms one at a time, between other events, on the UI thread.
    virtual void PumpEvents() = 0;
};

/// Creates ACT!'s objects by class name; each program's `main` chooses the implementation.
class ActFactory {
public:
    virtual ~ActFactory() = default;
    /// Fails with error 429 when the class is unknown or cannot be created.
    virtual std::shared_ptr<ActObject> CreateObject(std::string_view className) = 0;
    /// The event control that sits on a main form.
    virtual std::unique_ptr<EventControl> CreateEventControl() = 0;
};

/// `CreateObject` that also checks the object's kind; a wrong kind is VB's "Type mismatch".
template <class T> std::shared_ptr<T> CreateObjectAs(ActFactory& factory, std::string_view className) {
    auto typed = std::dynamic_pointer_cast<T>(factory.CreateObject(className));
    if (!typed) {
        throw RuntimeError(vberr::TypeMismatch);
    }
    return typed;
}

} // namespace corvane::act
