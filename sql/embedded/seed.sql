-- The demonstration service: the procedure catalog, a dictionary whose page
-- entries open the pages shipped beside the program, and one account.
-- :PagesUrl is bound to the "file:" address of the pages folder when the
-- database is created.

INSERT INTO Sys_Procedure (vcSchema, vcName) VALUES
  ('dbo', 'P_Get_Bas_Dict'),
  ('dbo', 'P_Get_Bas_DictEx'),
  ('dbo', 'P_Public_Log_UserLog');

INSERT INTO Sys_ProcParam (vcProcName, nOrdinal, vcParamName, vcTypeName, nDirection, nSize, nPrecision) VALUES
  ('P_Get_Bas_Dict', 0, '@RETURN_VALUE', 'int', 4, 0, 10),
  ('P_Get_Bas_Dict', 1, '@snFirsID', 'int', 1, 0, 10),
  ('P_Get_Bas_DictEx', 0, '@RETURN_VALUE', 'int', 4, 0, 10),
  ('P_Get_Bas_DictEx', 1, '@snFirsID', 'int', 1, 0, 10),
  ('P_Get_Bas_DictEx', 2, '@snSecoID', 'int', 1, 0, 10),
  ('P_Public_Log_UserLog', 0, '@RETURN_VALUE', 'int', 4, 0, 10),
  ('P_Public_Log_UserLog', 1, '@vcPone', 'varchar', 1, 20, 0),
  ('P_Public_Log_UserLog', 2, '@vcPass', 'varchar', 1, 100, 0),
  ('P_Public_Log_UserLog', 3, '@vcLoginIP', 'varchar', 1, 50, 0),
  ('P_Public_Log_UserLog', 4, '@vcLoginWIP', 'varchar', 1, 50, 0),
  ('P_Public_Log_UserLog', 5, '@vcAdptID', 'varchar', 1, 50, 0),
  ('P_Public_Log_UserLog', 6, '@vcComputer', 'varchar', 1, 100, 0),
  ('P_Public_Log_UserLog', 7, '@outErrNum', 'int', 3, 0, 10),
  ('P_Public_Log_UserLog', 8, '@outErrMsg', 'varchar', 3, 200, 0);

-- 1011: the support account's QQ number. 1021: the start of each tile's page
-- address; the program appends the digest of the machine's MAC text, which
-- the address's end makes a query value. 1024/10: the public-address lookup
-- switch, empty (off).
INSERT INTO Bas_Dict (nFirsID, nSecoID, vcValue, vcName) VALUES
  (1011, 0, '10000', '客服QQ号码'),
  (1021, 10, :PagesUrl || 'service-10.html?digest=', '服务页面 10'),
  (1021, 11, :PagesUrl || 'service-11.html?digest=', '服务页面 11'),
  (1021, 12, :PagesUrl || 'service-12.html?digest=', '服务页面 12'),
  (1021, 13, :PagesUrl || 'service-13.html?digest=', '服务页面 13'),
  (1021, 14, :PagesUrl || 'service-14.html?digest=', '服务页面 14'),
  (1021, 15, :PagesUrl || 'service-15.html?digest=', '服务页面 15'),
  (1021, 16, :PagesUrl || 'service-16.html?digest=', '服务页面 16'),
  (1021, 18, :PagesUrl || 'service-18.html?digest=', '服务页面 18'),
  (1021, 19, :PagesUrl || 'service-19.html?digest=', '服务页面 19'),
  (1021, 20, :PagesUrl || 'service-20.html?digest=', '服务页面 20'),
  (1021, 21, :PagesUrl || 'service-21.html?digest=', '服务页面 21'),
  (1021, 22, :PagesUrl || 'service-22.html?digest=', '服务页面 22'),
  (1021, 23, :PagesUrl || 'service-23.html?digest=', '服务页面 23'),
  (1021, 25, :PagesUrl || 'service-25.html?digest=', '服务页面 25'),
  (1021, 26, :PagesUrl || 'service-26.html?digest=', '服务页面 26'),
  (1024, 10, '', '公网地址查询开关');

INSERT INTO Sys_User (nUserCode, vcPhone, vcPassword, vcUserName, nUserStatus, vcRoleName, vcQQ, vcMerchID) VALUES
  (1001, '13800000000', '666', '演示用户', 1, '演示角色', '10000', 'M1001');
