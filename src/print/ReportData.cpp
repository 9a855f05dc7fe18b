#include "print/ReportData.h"

#include <stdexcept>

namespace vamok {

DataSet::DataSet(std::string connection, std::string view, std::vector<ReportField> fields)
    : connection_(std::move(connection)), view_(std::move(view)), fields_(std::move(fields))
{
}

bool DataSet::hasField(std::string_view name) const
{
    for (const ReportField& f : fields_) {
        if (f.name == name)
            return true;
    }
    return false;
}

std::size_t DataSet::fieldIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name == name)
            return i;
    }
    throw std::out_of_range("data set " + view_ + " has no field " + std::string(name));
}

std::size_t DataSet::addRecord()
{
    records_.emplace_back(fields_.size());
    return records_.size() - 1;
}

void DataSet::set(std::size_t record, std::string_view field, std::string value)
{
    records_.at(record)[fieldIndex(field)] = std::move(value);
}

const std::string& DataSet::value(std::size_t record, std::string_view field) const
{
    return records_.at(record)[fieldIndex(field)];
}

const DataSet& Report::dataSet(std::string_view view) const
{
    for (const DataSet& set : dataSets) {
        if (set.view() == view)
            return set;
    }
    throw std::out_of_range("report " + name + " has no data set " + std::string(view));
}

DataSet& Report::dataSet(std::string_view view)
{
    return const_cast<DataSet&>(static_cast<const Report&>(*this).dataSet(view));
}

std::string Report::parameter(std::string_view name) const
{
    const auto it = parameters.find(name);
    return it == parameters.end() ? std::string() : it->second;
}

} // namespace vamok
