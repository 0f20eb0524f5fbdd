#pragma once

#include <stdexcept>
#include <string>

// The framework's exception class. Controls raise it (or a descendant) when
// they refuse something; the application shows Message() in a message box.
class Exception : public std::exception
{
  public:
    explicit Exception(std::string Message) : FMessage(std::move(Message)) {}

    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

  private:
    std::string FMessage;
};

// A text or value could not be converted (StrToFloat, Assign between
// unrelated classes).
class EConvertError : public Exception
{
  public:
    using Exception::Exception;
};

// An index outside a list, an operation a sorted list refuses.
class EListError : public Exception
{
  public:
    using Exception::Exception;
};

// A bad component name, a duplicate name, a class that cannot be created.
class EComponentError : public Exception
{
  public:
    using Exception::Exception;
};

// A property that does not exist, is read-only, or got a value of the wrong
// kind.
class EPropertyError : public Exception
{
  public:
    using Exception::Exception;
};

// A form definition that cannot be read. Line and Column (both from 1) point
// at the offending text; the message already names them.
class EFormError : public Exception
{
  public:
    EFormError(int Line, int Column, const std::string& What)
        : Exception("line " + std::to_string(Line) + ", column " + std::to_string(Column) + ": " +
                    What),
          FLine(Line), FColumn(Column)
    {
    }

    int Line() const { return FLine; }
    int Column() const { return FColumn; }

  private:
    int FLine;
    int FColumn;
};
