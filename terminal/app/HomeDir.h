// The terminal's directories under tabulo-host's home directory:
//   HOME/user/         toolbar files and favorites (CEnvMgr::GetUserDir)
//   HOME/data/         ShortID.dat (CEnvMgr::GetDataDir)
//   HOME/users/<id>/   the user's own files (CEnvMgr::GetBaseUserDir)
#pragma once

#include <string>
#include <string_view>

namespace host {

class HomeDir {
public:
    explicit HomeDir(std::string root) : m_strRoot(std::move(root)) {}

    const std::string& Root() const { return m_strRoot; }
    std::string UserDir() const { return m_strRoot + "/user"; }
    std::string DataDir() const { return m_strRoot + "/data"; }
    std::string BaseDir() const { return m_strRoot + "/users"; }

    // Creates the directories (with the named user's own) and writes each
    // sample file that is missing; files that exist are left alone, and the
    // user's own files are never created here. Throws std::runtime_error
    // when a directory cannot be made.
    void Prepare(const std::string& userId) const;

private:
    std::string m_strRoot;
};

// A sample file's text as the terminal keeps it: CP949 with CRLF line ends.
std::string ToProfileText(std::string_view utf8);

}  // namespace host
