#pragma once
// The tables of Data.db: their create statements, the schema versions and the default
// Options row.
#include <string>

class TavikSQL;

// Versions built into the program, compared with the Version row.
constexpr char kMainVersion[] = "1.8";
constexpr char kTableVersion[] = "1.8.2014.0.06";

constexpr char kCreateVersionTable[] =
    "create table Version(ID integer primary key,MainVer char(64), OptionsVer char(64), UserVer char(64), "
    "ContactsVer char(64), HistoryVer char(64), MessagesVer char(64), GroupsVer char(64))";
constexpr char kCreateGroupsTable[] = "create table Groups(GroupName char(128) primary key, GroupKey integer)";
constexpr char kCreateHistoryTable[] =
    "create table History(History nvarchar(1024) primary key, Number char(128), CallType integer)";
constexpr char kCreateContactsTable[] =
    "create table Contacts(SIPUri nvarchar(1024) primary key, Email char(128), HomePhone char(128), "
    "WorkPhone char(128), MobilePhone char(128), FirstName char(128), LastName char(128), "
    "NickName char(128), JobTitle char(128), GroupName char(128), Icon varchar(1024), blocked integer, "
    "subscribed integer, acceptedsubscribed integer, subscribeid integer)";
constexpr char kCreateUserTable[] =
    "create table User(SIPUri nvarchar(1024) primary key, UserName char(128), AuthName char(128), "
    "Password char(128), ProxyServer nvarchar(512), ProxyPort integer, UserDomain char(512), "
    "StunServer nvarchar(512), StunServerPort integer, RegVal integer, KeepLive integer, rport integer, "
    "XMPPUserName char(128), XMPPPassword char(128), XMPPServer nvarchar(512), XMPPServerPort integer, "
    "XMPPTLS integer, XMPPResource char(128), Tls integer, Srtp integer, displayName nvarchar(1024), "
    "Transport integer, OutboundServer nvarchar(512), OutboundPort integer, ipv6 integer)";

// "create table Options(...)" with every column of the Options row.
std::string CreateOptionsTableStatement();

// Inserts the default Options row. The folders are ANSI texts without a trailing backslash;
// they are stored in URL-safe Base64. False when refused.
bool InsertDefaultOptions(TavikSQL& database, const std::string& programFolder, const std::string& recordFolder);
