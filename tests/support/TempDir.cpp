#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

TempDir::TempDir()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

std::string TempDir::path() const { return dir_.path().toStdString() + "/"; }

std::string TempDir::file(const std::string& name) const { return path() + name; }

void TempDir::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}

std::string TempDir::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
