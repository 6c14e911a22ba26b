#pragma once

#include <string>

// A PostgreSQL server of the tests' own: made with initdb in a temporary
// folder, listening only on a Unix socket there, passwords asked of every
// role (given through a password file that PGPASSFILE names). Run as the
// user `nobody` where the tests run as root, as initdb refuses root.
class PrivateServer
{
public:
    // `bindir`: where initdb, pg_ctl and psql are.
    explicit PrivateServer(std::string bindir);
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // Makes the cluster and its database `kav` once, then starts the
    // server; false, with the reason in Problem(), where it cannot.
    bool Start();
    void Stop();
    const std::string& Problem() const { return m_Problem; }

    // A libpq connection string to the database as `role`, with `extra`
    // key=value pairs after it; its password comes from the password file.
    std::string Conninfo(const std::string& role, const std::string& extra = "") const;
    // Adds a role that may log in with `password`, member of `group`.
    bool AddRole(const std::string& role, const std::string& password, const std::string& group);
    // Runs SQL as the superuser; false where psql fails.
    bool Sql(const std::string& sql);

    const std::string& Folder() const { return m_Folder; }
    static constexpr const char* SuperUser = "kav";

private:
    bool Run(const std::string& command, bool asServer);

    std::string m_Bindir;
    std::string m_Folder;
    std::string m_Problem;
    bool m_Made = false;
    bool m_Running = false;
};
