-- The program's text cipher in T-SQL, for the login procedure: passwords
-- travel enciphered in both directions. Same rules as the program: a seed
-- pair, then one pair per byte, v := ((v + byte) mod 255) XOR key character,
-- the 17-character key restarting after its last character.

CREATE FUNCTION dbo.F_EncryptStr (@plain varchar(4000), @seed int)
RETURNS varchar(8002)
AS
BEGIN
  DECLARE @key varchar(17) = 'QWRTNpxz51836KHmv';
  DECLARE @hex char(16) = '0123456789ABCDEF';
  DECLARE @bytes varbinary(4000) = CONVERT(varbinary(4000), @plain);
  DECLARE @count int = ISNULL(DATALENGTH(@bytes), 0);
  DECLARE @v int = ABS(@seed) % 256;
  DECLARE @j int = 0;
  DECLARE @i int = 1;
  DECLARE @out varchar(8002) = SUBSTRING(@hex, @v / 16 + 1, 1) + SUBSTRING(@hex, @v % 16 + 1, 1);
  WHILE @i <= @count
  BEGIN
    SET @v = (@v + CONVERT(int, SUBSTRING(@bytes, @i, 1))) % 255;
    SET @j = CASE WHEN @j = 17 THEN 1 ELSE @j + 1 END;
    SET @v = @v ^ ASCII(SUBSTRING(@key, @j, 1));
    SET @out = @out + SUBSTRING(@hex, @v / 16 + 1, 1) + SUBSTRING(@hex, @v % 16 + 1, 1);
    SET @i = @i + 1;
  END;
  RETURN @out;
END;
GO

-- The value of one or two hex digits; NULL when the text is empty or holds
-- anything else.
CREATE FUNCTION dbo.F_HexValue (@digits varchar(2))
RETURNS int
AS
BEGIN
  DECLARE @hex char(16) = '0123456789ABCDEF';
  DECLARE @value int = 0;
  DECLARE @i int = 1;
  DECLARE @digit int;
  IF @digits IS NULL OR DATALENGTH(@digits) = 0 RETURN NULL;
  WHILE @i <= DATALENGTH(@digits)
  BEGIN
    SET @digit = CHARINDEX(UPPER(SUBSTRING(@digits, @i, 1)), @hex COLLATE Latin1_General_BIN) - 1;
    IF @digit < 0 RETURN NULL;
    SET @value = @value * 16 + @digit;
    SET @i = @i + 1;
  END;
  RETURN @value;
END;
GO

-- The plain text of a cipher text; NULL where the program's DecryptStr
-- raises its conversion error (empty text, a bare seed, a pair that is not hex).
CREATE FUNCTION dbo.F_DecryptStr (@cipher varchar(8002))
RETURNS varchar(4000)
AS
BEGIN
  DECLARE @key varchar(17) = 'QWRTNpxz51836KHmv';
  DECLARE @length int = ISNULL(DATALENGTH(@cipher), 0);
  DECLARE @prev int = dbo.F_HexValue(SUBSTRING(@cipher, 1, 2));
  DECLARE @pos int = 3;
  DECLARE @j int = 0;
  DECLARE @x int;
  DECLARE @y int;
  DECLARE @out varbinary(4000) = 0x;
  IF @prev IS NULL RETURN NULL;
  WHILE 1 = 1
  BEGIN
    SET @x = dbo.F_HexValue(SUBSTRING(@cipher, @pos, 2));
    IF @x IS NULL RETURN NULL;
    SET @j = CASE WHEN @j = 17 THEN 1 ELSE @j + 1 END;
    SET @y = ASCII(SUBSTRING(@key, @j, 1)) ^ @x;
    SET @out = @out + CONVERT(binary(1), (CASE WHEN @prev < @y THEN @y - @prev ELSE @y + 255 - @prev END) % 256);
    SET @prev = @x;
    SET @pos = @pos + 2;
    IF @pos >= @length BREAK;
  END;
  RETURN CONVERT(varchar(4000), @out);
END;
GO
