-- The service database on SQL Server: the tables the three procedures work
-- on. A reference for deployers; the database should use a Chinese (PRC)
-- collation (code page 936) such as Chinese_PRC_CI_AS, the program's text.

CREATE TABLE dbo.Bas_Dict (
  nFirsID int NOT NULL,
  nSecoID int NOT NULL CONSTRAINT DF_Bas_Dict_nSecoID DEFAULT 0,
  vcValue varchar(500) NOT NULL CONSTRAINT DF_Bas_Dict_vcValue DEFAULT '',
  vcName varchar(100) NOT NULL CONSTRAINT DF_Bas_Dict_vcName DEFAULT '',
  CONSTRAINT PK_Bas_Dict PRIMARY KEY (nFirsID, nSecoID)
);
GO

CREATE TABLE dbo.Sys_User (
  nUserCode int NOT NULL CONSTRAINT PK_Sys_User PRIMARY KEY,
  vcPhone varchar(20) NOT NULL CONSTRAINT UQ_Sys_User_vcPhone UNIQUE,
  vcPassword varchar(50) NOT NULL,
  vcUserName varchar(50) NOT NULL CONSTRAINT DF_Sys_User_vcUserName DEFAULT '',
  nUserStatus int NOT NULL CONSTRAINT DF_Sys_User_nUserStatus DEFAULT 1,
  vcRoleName varchar(50) NOT NULL CONSTRAINT DF_Sys_User_vcRoleName DEFAULT '',
  vcQQ varchar(20) NOT NULL CONSTRAINT DF_Sys_User_vcQQ DEFAULT '',
  vcMerchID varchar(20) NOT NULL CONSTRAINT DF_Sys_User_vcMerchID DEFAULT ''
);
GO

CREATE TABLE dbo.Log_UserLogin (
  nLogID int IDENTITY(1, 1) NOT NULL CONSTRAINT PK_Log_UserLogin PRIMARY KEY,
  dtLogin datetime NOT NULL CONSTRAINT DF_Log_UserLogin_dtLogin DEFAULT GETDATE(),
  vcPhone varchar(20) NOT NULL,
  vcLoginIP varchar(50) NOT NULL,
  vcLoginWIP varchar(50) NOT NULL,
  vcAdptID varchar(50) NOT NULL,
  vcComputer varchar(100) NOT NULL,
  nErrNum int NOT NULL,
  vcErrMsg varchar(200) NOT NULL
);
GO
