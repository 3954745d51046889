-- The embedded service's tables. They hold what the service database holds
-- for the program: the dictionary, the accounts and the login log, and the
-- catalog that describes each procedure's parameters as SQL Server's catalog
-- does. The procedures themselves are run by the embedded service.

-- Configurable values addressed by a first and a second ID; entries without
-- a second ID use 0.
CREATE TABLE Bas_Dict (
  nFirsID int NOT NULL,
  nSecoID int NOT NULL DEFAULT 0,
  vcValue varchar(500) NOT NULL DEFAULT '',
  vcName varchar(100) NOT NULL DEFAULT '',
  PRIMARY KEY (nFirsID, nSecoID)
);

-- Accounts, keyed by the mobile telephone number they log in with.
CREATE TABLE Sys_User (
  nUserCode integer PRIMARY KEY,
  vcPhone varchar(20) NOT NULL UNIQUE,
  vcPassword varchar(50) NOT NULL,
  vcUserName varchar(50) NOT NULL DEFAULT '',
  nUserStatus int NOT NULL DEFAULT 1,
  vcRoleName varchar(50) NOT NULL DEFAULT '',
  vcQQ varchar(20) NOT NULL DEFAULT '',
  vcMerchID varchar(20) NOT NULL DEFAULT ''
);

-- Every login attempt with the identity the client reported and the answer.
CREATE TABLE Log_UserLogin (
  nLogID integer PRIMARY KEY,
  dtLogin datetime NOT NULL DEFAULT (datetime('now', 'localtime')),
  vcPhone varchar(20) NOT NULL DEFAULT '',
  vcLoginIP varchar(50) NOT NULL DEFAULT '',
  vcLoginWIP varchar(50) NOT NULL DEFAULT '',
  vcAdptID varchar(50) NOT NULL DEFAULT '',
  vcComputer varchar(100) NOT NULL DEFAULT '',
  nErrNum int NOT NULL,
  vcErrMsg varchar(200) NOT NULL DEFAULT ''
);

-- The procedures the service offers, by schema and name.
CREATE TABLE Sys_Procedure (
  vcSchema varchar(128) NOT NULL COLLATE NOCASE,
  vcName varchar(128) NOT NULL COLLATE NOCASE PRIMARY KEY
);

-- Their parameters in order: SQL Server type names, directions as ADO numbers
-- them (1 input, 3 input and output, 4 return value), sizes in characters.
CREATE TABLE Sys_ProcParam (
  vcProcName varchar(128) NOT NULL COLLATE NOCASE REFERENCES Sys_Procedure (vcName),
  nOrdinal int NOT NULL,
  vcParamName varchar(128) NOT NULL,
  vcTypeName varchar(32) NOT NULL,
  nDirection int NOT NULL,
  nSize int NOT NULL DEFAULT 0,
  nPrecision int NOT NULL DEFAULT 0,
  nScale int NOT NULL DEFAULT 0,
  PRIMARY KEY (vcProcName, nOrdinal)
);
