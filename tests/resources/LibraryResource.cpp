// A static library whose only other content nobody calls: its resources
// must still reach the programs that link it.
int ResourceLibraryProbe()
{
    return 1;
}
