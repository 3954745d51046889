-- The three procedures the program calls, with exactly the parameter names,
-- types and result columns it uses. Every value is a parameter; nothing is
-- spliced into SQL text. The program sends an empty text as NULL (its TDS
-- client cannot send an empty string), so text arguments are read with ISNULL.

-- Every entry of a first ID, the value in the second column.
CREATE PROCEDURE dbo.[P_Get_Bas_Dict]
  @snFirsID int
AS
BEGIN
  SET NOCOUNT ON;
  SELECT nSecoID, vcValue, vcName
  FROM dbo.Bas_Dict
  WHERE nFirsID = @snFirsID
  ORDER BY nSecoID;
END;
GO

-- The entry of a first and a second ID, the value in the second column.
CREATE PROCEDURE dbo.[P_Get_Bas_DictEx]
  @snFirsID int,
  @snSecoID int
AS
BEGIN
  SET NOCOUNT ON;
  SELECT nSecoID, vcValue, vcName
  FROM dbo.Bas_Dict
  WHERE nFirsID = @snFirsID AND nSecoID = @snSecoID;
END;
GO

-- Checks the account and its password (sent enciphered), records the attempt
-- with the identity the client reports, and answers @outErrNum 0 with the
-- account row (password enciphered), or a number other than 0 with the reason
-- in @outErrMsg and no row.
CREATE PROCEDURE dbo.[P_Public_Log_UserLog]
  @vcPone varchar(20),
  @vcPass varchar(100),
  @vcLoginIP varchar(50),
  @vcLoginWIP varchar(50),
  @vcAdptID varchar(50),
  @vcComputer varchar(100),
  @outErrNum int OUTPUT,
  @outErrMsg varchar(200) OUTPUT
AS
BEGIN
  SET NOCOUNT ON;
  DECLARE @password varchar(50);
  DECLARE @sent varchar(4000);
  SET @outErrNum = 0;
  SET @outErrMsg = '';

  SELECT @password = vcPassword FROM dbo.Sys_User WHERE vcPhone = @vcPone;
  IF @password IS NULL
  BEGIN
    SET @outErrNum = 1;
    SET @outErrMsg = N'该账号不存在，请确认后重新登录！';
  END
  ELSE
  BEGIN
    SET @sent = dbo.F_DecryptStr(@vcPass);
    -- Passwords compare byte for byte, whatever the collation.
    IF @sent IS NULL OR CONVERT(varbinary(4000), @sent) <> CONVERT(varbinary(4000), @password)
    BEGIN
      SET @outErrNum = 2;
      SET @outErrMsg = N'密码错误，请重新输入！';
    END;
  END;

  INSERT INTO dbo.Log_UserLogin (vcPhone, vcLoginIP, vcLoginWIP, vcAdptID, vcComputer, nErrNum, vcErrMsg)
  VALUES (ISNULL(@vcPone, ''), ISNULL(@vcLoginIP, ''), ISNULL(@vcLoginWIP, ''), ISNULL(@vcAdptID, ''),
          ISNULL(@vcComputer, ''), @outErrNum, @outErrMsg);

  SELECT dbo.F_EncryptStr(vcPassword, ABS(CHECKSUM(NEWID())) % 256) AS vcUserPassword,
         nUserCode, vcUserName, nUserStatus, vcPhone, vcRoleName, vcQQ, vcMerchID
  FROM dbo.Sys_User
  WHERE vcPhone = @vcPone AND @outErrNum = 0;
END;
GO
