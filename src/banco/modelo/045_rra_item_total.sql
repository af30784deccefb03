-- The number of accumulated-income items of each kind (1 declarant's, 2 court's), one row.
CREATE VIEW RRA_ITEM_TOTAL (RRADEC, RRAJUS) AS
SELECT (SELECT COUNT(*) FROM RRA_ITEM WHERE IN_TIPO_RRA = '1'),
       (SELECT COUNT(*) FROM RRA_ITEM WHERE IN_TIPO_RRA = '2')
FROM RDB$DATABASE;
