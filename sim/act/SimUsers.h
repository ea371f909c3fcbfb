#pragma once

#include "common/act/Act.h"

namespace corvane::sim {

class Engine;
struct UserRecord;

/// The user list of the simulated ACT!'s open database. Positions count from 1.
class SimUsers : public act::Users {
public:
    explicit SimUsers(Engine& engine) : engine_(engine) {}

    int32_t Count() override;
    /// Error 9 for a position outside the list.
    std::string Name(int16_t position) override;
    /// Error 13 for text that is no number, 6 past the 16-bit range, 9 for a position outside the list.
    std::string UniqueID(const std::string& positionText) override;
    int32_t CurrentUserSecurity() override;

private:
    UserRecord userAt(int16_t position);

    Engine& engine_; // outlives every ACT! object
};

} // namespace corvane::sim
