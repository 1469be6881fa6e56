#pragma once
// A run-time failure as the game reports it: a number, the platform's description and the
// operation it came from. Procedures with a failure path catch it and log
// "Error <number>: <description><place>".
#include <QString>
#include <exception>

struct RuntimeFailure : std::exception {
    RuntimeFailure(int number, QString description, QString source = {})
        : number(number), description(std::move(description)), source(std::move(source)) {}
    const char* what() const noexcept override { return "runtime failure"; }

    int number;
    QString description;
    QString source;
};

// Failure numbers the game raises itself.
namespace failure {
inline constexpr int FileNotFound = 53;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPicture = 481;

inline RuntimeFailure fileNotFound() {
    return {FileNotFound, QStringLiteral("File not found")};
}
inline RuntimeFailure permissionDenied() {
    return {PermissionDenied, QStringLiteral("Permission denied")};
}
inline RuntimeFailure pathFileAccess() {
    return {PathFileAccess, QStringLiteral("Path/File access error")};
}
inline RuntimeFailure invalidPicture() {
    return {InvalidPicture, QStringLiteral("Invalid picture")};
}
} // namespace failure
