#pragma once
#include <QTemporaryDir>
#include <string>

// A real folder under the system temp folder, removed with the object.
class TempDir {
public:
    TempDir();
    std::string path() const;                       // with trailing '/'
    std::string file(const std::string& name) const; // path() + name
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    QTemporaryDir dir_;
};
