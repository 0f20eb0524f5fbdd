#pragma once

#include "framework/Persistent.h"

#include <string>
#include <string_view>

// An abstract list of strings, each with an associated object pointer (not
// owned). Descendants store the lines (TStringList) or forward them to a
// control. Lines of the form name=value give keyed access; names compare
// without case. Indices outside the list throw EListError.
class TStrings : public TPersistent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    virtual int Count() const = 0;
    virtual std::string Strings(int Index) const = 0;
    virtual void SetStrings(int Index, const std::string& S);
    virtual TObject* Objects(int Index) const;
    virtual void SetObjects(int Index, TObject* Object);
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    // Appends (or, in a sorted list, inserts in order); returns the index.
    virtual int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* Object);
    void InsertObject(int Index, const std::string& S, TObject* Object);
    void AddStrings(const TStrings& Source);
    virtual void Move(int CurIndex, int NewIndex);
    virtual void Exchange(int Index1, int Index2);

    // -1 when absent.
    virtual int IndexOf(std::string_view S) const;
    int IndexOfName(std::string_view Name) const;
    int IndexOfObject(const TObject* Object) const;

    // Name and value of line Index ("" when the line has no separator).
    std::string Names(int Index) const;
    std::string ValueFromIndex(int Index) const;
    // Value of the first line named Name, "" when there is none.
    std::string Values(std::string_view Name) const;
    // Replaces the value of the line named Name, appending a line when there
    // is none; an empty Value deletes the line.
    void SetValues(std::string_view Name, const std::string& Value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char C) { FNameValueSeparator = C; }

    // Lines each followed by "\n"; setting splits at "\r\n", "\n" or "\r".
    std::string Text() const;
    void SetText(std::string_view Text);
    // Items separated by Delimiter; items holding a space, the delimiter,
    // the quote or a control character are quoted with QuoteChar (inner
    // quotes doubled). Reading also splits at unquoted spaces, as the
    // comma text convention does.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view Text);
    std::string CommaText() const;
    void SetCommaText(std::string_view Text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char C) { FDelimiter = C; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char C) { FQuoteChar = C; }

    // Batches changes: descendants report one change at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    bool Equals(const TStrings& Other) const;
    void Assign(const TPersistent* Source) override;

  protected:
    // Called when the first BeginUpdate starts and the last EndUpdate ends.
    virtual void SetUpdateState(bool) {}
    virtual int CompareStrings(std::string_view A, std::string_view B) const;
    [[noreturn]] static void IndexError(int Index);

  private:
    std::string JoinDelimited(char Delim, char Quote) const;
    void SplitDelimited(std::string_view Text, char Delim, char Quote);

    int FUpdateCount = 0;
    char FNameValueSeparator = '=';
    char FDelimiter = ',';
    char FQuoteChar = '"';
};
