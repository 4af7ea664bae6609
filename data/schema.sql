-- Tables of the working database, in the program's SQL dialect. The template builder runs
-- these statements, then the reference data, to make Db/Empty.db. Lines starting with "--"
-- are comments; each statement ends with ";" at the end of a line.

-- Cadres: one row per person.
CREATE TABLE tb_cadre (
  [CadreID] Counter, gbOrd INTEGER, Classid INTEGER, other memo,
  checked BIT, xm TEXT(50), py TEXT(50), xb TEXT(10), csny DATETIME, csnyStr TEXT(10), mz TEXT(50),
  jgsheng TEXT(50), cssheng TEXT(50), zzmm TEXT(50), rdsj DATETIME, rdsjStr TEXT(10),
  gzsj DATETIME, gzsjStr TEXT(10), zwjb TEXT(50), zwjbTime DATETIME, zwjbTimeStr TEXT(10),
  zwjb2 TEXT(50), zwjbTime2 DATETIME, zwjbTimeStr2 TEXT(10), allZwList TEXT(255),
  allRzsjList TEXT(255), xrz memo, nrz memo, nmz memo, gxl TEXT(50), gxlxx TEXT(255), gxw TEXT(50),
  qrzxl TEXT(50), qrzxxzy TEXT(255), qrzxw TEXT(50), zzxl TEXT(50), zzxxzy TEXT(255), zzxw TEXT(50),
  ctype INTEGER, rybz TEXT(50), zyjszw TEXT(50), zydj INTEGER, zyzcTime DATETIME, zytc TEXT(255),
  jkzk TEXT(50), fggz TEXT(255), gzjl memo, jcNote memo, khNote memo, rmNote memo,
  res5 TEXT(50), res6 TEXT(50), res7 TEXT(50), res8 TEXT(50), address TEXT(255), tel TEXT(50),
  tel2 TEXT(50), zjType TEXT(50), zjh TEXT(50), photo image, ZwLock BIT, time1 DATETIME,
  time2 DATETIME, A3801 DATETIME, A3817 DATETIME, A3804A TEXT(255), A3807A TEXT(255),
  A3811 TEXT(255), A3814 TEXT(255), A3821A TEXT(255), A3824 TEXT(255), A3834 TEXT(255),
  A3827 INTEGER, A3831 INTEGER);
Create Index classid On tb_cadre (Classid);
CREATE INDEX ORD_tb_Cadre ON tb_Cadre (gbOrd);
Create Index xm On tb_cadre (xm);
Create Index py On tb_cadre (py);

-- The unit tree.
CREATE TABLE tb_department (
  [ID] Counter, parentID INTEGER, Name TEXT(255), dwjc TEXT(255), py1 TEXT(50), py2 TEXT(50),
  dwOrder INTEGER, dwlevel INTEGER, dwIndex TEXT(50), isDep BIT, status INTEGER, dwxz TEXT(50),
  B0114 TEXT(12), B0124 TEXT(2), B0127 TEXT(3));
Create Index parentID On tb_department (parentID);
Create Index dwIndex On tb_department (dwIndex);

-- Membership of cadres in units.
CREATE TABLE tb_cadre_node (
  [CnID] Counter, ZwCadreID INTEGER, dwID INTEGER, zwOrder INTEGER, zwList TEXT(255),
  rzsjList TEXT(255), cntype INTEGER, nobz BIT, jrsj DATETIME, jrsjStr TEXT(10), bind BIT);
Create Index ZwCadreID On tb_cadre_node (ZwCadreID);
Create Index dwID On tb_cadre_node (dwID);

-- Posts held, current (status 1) and former (status 2).
CREATE TABLE tb_cadre_zw (
  [ZwID] Counter, ZwCadreID INTEGER, status INTEGER, dwID INTEGER, dw TEXT(255), zwmc TEXT(255),
  zwOrder INTEGER, rzsj DATETIME, rzsjstr TEXT(10), rzwh TEXT(255), rzyy TEXT(255),
  mzsj DATETIME, mzsjstr TEXT(10), rzw TEXT(255), mzwh TEXT(255), mzyy TEXT(255), mzw TEXT(255),
  zs BIT, emptyNode BIT, zt TEXT(50), ischeck BIT);
Create Index ZwCadreID On tb_cadre_zw (ZwCadreID);
Create Index dwID On tb_cadre_zw (dwID);

CREATE TABLE tb_family (
  [FamilyID] Counter, CadreID INTEGER, ford INTEGER, cw TEXT(50), xm TEXT(50), cssj DATETIME,
  cssjStr TEXT(10), zzmm TEXT(50), dw TEXT(255));
Create Index CadreID On tb_family (CadreID);

-- Post quotas and staffing per unit.
CREATE TABLE tb_department_zs (
  [ZsID] Counter, DwID INTEGER, zwmc TEXT(50), zwrs SMALLINT, dqrs SMALLINT, note TEXT(255),
  zzs BIT, zwtype TEXT(50));
Create Index DwID On tb_department_zs (DwID);
CREATE TABLE tb_department_bz (
  [id] Counter, [dwID] integer NULL, [rybz] TEXT(255) NULL, [bzs] integer NULL,
  [sjs] integer NULL);

-- Accounts (userType 0 or empty) and groups (userType 1).
CREATE TABLE tb_manager (
  [ManagerID] Counter, userName TEXT(50), pw TEXT(50), righ_ TEXT(255), rightx TEXT(50),
  sysR INTEGER, usertype INTEGER, groupName TEXT(50), dwRight BIT, clew BIT);
CREATE TABLE tb_group ([ID] Counter, groupName TEXT(50));

-- One row of organisation-wide settings.
CREATE TABLE tb_general (
  name TEXT(255), type INTEGER, state TEXT(50), City TEXT(50), qx TEXT(50), zt memo, rzyy memo,
  gbly memo, rzw memo, jtcy memo, version DOUBLE, fnum INTEGER, fsize INTEGER, clew BIT,
  reptrim BIT, resZj TEXT(255), resCType TEXT(255), resName TEXT(255), khyear INTEGER,
  rmbfamily INTEGER, rmbTitle TEXT(255), rmbPage TEXT(10));

CREATE TABLE tb_conf (
  GID TEXT(50), ItemID TEXT(255), ItemV TEXT(255), ItemVI INTEGER, ItemV2 TEXT(255));
Create Index GID On tb_conf (GID, ItemID);

-- Appointment and removal plans; a line is a frozen copy of one cadre.
CREATE TABLE tb_rmmc (
  [id] Counter, name TEXT(255), mcdesc memo, py TEXT(50), tbsj DATETIME, timeYear INTEGER,
  tbr TEXT(50), jssj DATETIME, rmzt INTEGER, cbdw TEXT(255), cdyj TEXT(255));
CREATE TABLE tb_rmmc_detail (
  [id] Counter, mcID INTEGER, McCadreID INTEGER, brOrder INTEGER,
  xm TEXT(50), xb TEXT(10), csny DATETIME, rdsj DATETIME, gzsj DATETIME, mz TEXT(50),
  zzmm TEXT(50), jgsheng TEXT(50), cssheng TEXT(50), zwjb TEXT(50), zwjbTime DATETIME,
  zwjbTimeStr TEXT(10), csnyStr TEXT(10), rdsjStr TEXT(10), gzsjStr TEXT(10), py TEXT(50),
  allZwList TEXT(255), allRzsjList TEXT(255), gxw TEXT(50), gxl TEXT(50), gxlxx TEXT(255),
  ctype INTEGER, zydj INTEGER, zyzcTime DATETIME, rybz TEXT(50), ZwLock BIT, fggz TEXT(255),
  qrzxw TEXT(50), zzxw TEXT(50), jkzk TEXT(50), zyjszw TEXT(50), zytc TEXT(255), qrzxl TEXT(50),
  zzxl TEXT(50), qrzxxzy TEXT(255), zzxxzy TEXT(255), gzjl memo, jcNote memo, khNote memo,
  rmNote memo, age INTEGER, xrz memo, nrz memo, nmz memo,
  f_1_1 TEXT(50), f_1_2 TEXT(50), f_1_3 TEXT(10), f_1_4 TEXT(50), f_1_5 TEXT(255),
  f_2_1 TEXT(50), f_2_2 TEXT(50), f_2_3 TEXT(10), f_2_4 TEXT(50), f_2_5 TEXT(255),
  f_3_1 TEXT(50), f_3_2 TEXT(50), f_3_3 TEXT(10), f_3_4 TEXT(50), f_3_5 TEXT(255),
  f_4_1 TEXT(50), f_4_2 TEXT(50), f_4_3 TEXT(10), f_4_4 TEXT(50), f_4_5 TEXT(255),
  f_5_1 TEXT(50), f_5_2 TEXT(50), f_5_3 TEXT(10), f_5_4 TEXT(50), f_5_5 TEXT(255),
  f_6_1 TEXT(50), f_6_2 TEXT(50), f_6_3 TEXT(10), f_6_4 TEXT(50), f_6_5 TEXT(255),
  f_7_1 TEXT(50), f_7_2 TEXT(50), f_7_3 TEXT(10), f_7_4 TEXT(50), f_7_5 TEXT(255),
  rmjg TEXT(255), spyj TEXT(255), cbyj TEXT(255), rmyj TEXT(255), note1 memo,
  cbdw TEXT(255));
Create Index mcID On tb_rmmc_detail (mcID);

-- Rosters: members by reference, or frozen copies for a fixed roster.
CREATE TABLE tb_beadroll (
  [id] Counter, mcName TEXT(255), mcdesc memo, mcpy TEXT(50), timeYear INTEGER,
  timeModify DATETIME, mirror BIT);
CREATE TABLE tb_beadroll_detail (McCadreID INTEGER, mcID INTEGER, brOrder INTEGER);
Create Index mcID On tb_beadroll_detail (mcID);
CREATE TABLE tb_beadroll_mirror (
  [id] Counter, mcID INTEGER, McCadreID INTEGER, brOrder INTEGER,
  xm TEXT(50), xb TEXT(10), csny DATETIME, rdsj DATETIME, gzsj DATETIME, mz TEXT(50),
  zzmm TEXT(50), jgsheng TEXT(50), cssheng TEXT(50), zwjb TEXT(50), zwjbTime DATETIME,
  zwjbTimeStr TEXT(10), csnyStr TEXT(10), rdsjStr TEXT(10), gzsjStr TEXT(10), py TEXT(50),
  allZwList TEXT(255), allRzsjList TEXT(255), gxw TEXT(50), gxl TEXT(50), gxlxx TEXT(255),
  ctype INTEGER, zydj INTEGER, zyzcTime DATETIME, rybz TEXT(50), ZwLock BIT, fggz TEXT(255),
  qrzxw TEXT(50), zzxw TEXT(50), jkzk TEXT(50), zyjszw TEXT(50), zytc TEXT(255), qrzxl TEXT(50),
  zzxl TEXT(50), qrzxxzy TEXT(255), zzxxzy TEXT(255), gzjl memo, jcNote memo, khNote memo,
  rmNote memo, age INTEGER, xrz memo, nrz memo, nmz memo, time1 DATETIME, time2 DATETIME,
  zwjbTime2 DATETIME, zwjbTimeStr2 TEXT(10));
Create Index mcID On tb_beadroll_mirror (mcID);

-- Training classes, attendance and training outside the classes.
CREATE TABLE tb_px (
  [pxid] Counter, pxName TEXT(255), pxTimeB DATETIME, pxTimeE DATETIME, pxks INTEGER,
  pxjg TEXT(255), pxType TEXT(50), pxType1 TEXT(50), pxMethod TEXT(50), pxjj memo,
  pxkc TEXT(255), timeYear INTEGER);
CREATE TABLE tb_pxCadre (
  [ID] Counter, pxid INTEGER, CadreID INTEGER, CName TEXT(50), ord INTEGER, xrz TEXT(255),
  gxl TEXT(50), gxlxx TEXT(255), qj TEXT(50), qx TEXT(50), lwcj TEXT(50), xf TEXT(50),
  yj TEXT(255), note TEXT(255));
Create Index pxid On tb_pxCadre (pxid);
CREATE TABLE tb_pxCadre2 (
  [ID] Counter, CadreID INTEGER, pxName TEXT(255), pxTimeB DATETIME, pxTimeE DATETIME,
  pxks INTEGER, pxjg TEXT(255), pxType TEXT(50), pxType1 TEXT(50), pxMethod TEXT(50));
CREATE TABLE tb_pxjg (
  Name TEXT(255), Man TEXT(50), Address TEXT(255), Tel TEXT(50), Fax TEXT(50), Email TEXT(255));
CREATE TABLE tb_pxs (
  xm TEXT(50), xb TEXT(10), cssj DATETIME, xl TEXT(50), zc TEXT(50), yjfx TEXT(255), tel TEXT(50),
  [add] TEXT(255));
CREATE TABLE tb_pxType (s TEXT(50));
CREATE TABLE tb_pxMode (s TEXT(50));

-- Assessments, rewards and punishments, work in charge.
CREATE TABLE tb_kc (
  [id] Counter, cid INTEGER, kcYear INTEGER, kcsj DATETIME, kclb TEXT(50), kcName TEXT(255),
  kcjl TEXT(50), kcyj memo, kcbz memo, kcff TEXT(255), kcdxName TEXT(255), kczzmc TEXT(255),
  kcr TEXT(255), szdw TEXT(255), dwid INTEGER, xrz TEXT(255), kcjlr TEXT(50), cpyj memo,
  kcyj2 memo, khid INTEGER);
Create Index cid On tb_kc (cid);
CREATE TABLE tb_jc (
  [id] Counter, cid INTEGER, dxType INTEGER, dxName TEXT(255), jclbx TEXT(10), jclb TEXT(50),
  jcmc TEXT(255), jcyy TEXT(255), jcsj DATETIME, jcjg TEXT(255), jcsm memo, A14Z207 TEXT(1));
Create Index cid On tb_jc (cid);
CREATE TABLE tb_fggzlr ([id] Counter, cid INTEGER, nr memo, lrsj DATETIME);
CREATE TABLE tb_fggb ([id] Counter, cid INTEGER, fgcid INTEGER);
CREATE TABLE tb_fgcj ([id] Counter, cid INTEGER, dwid INTEGER);

-- Records after the national cadre information codes: archive catalogue, reports on major
-- events, audits, opinions from the public.
CREATE TABLE E01 (
  [ID] Counter, cid INTEGER, E01Z104 INTEGER, E01Z101 TEXT(50), E01Z111A TEXT(255),
  E01Z117 TEXT(20), E01Z124 INTEGER, E01Z114 INTEGER, E01Z121 TEXT(255), dxType INTEGER,
  dxName TEXT(255), groupId INTEGER, haveFile BIT, fileID INTEGER, dxids TEXT(255),
  lbx TEXT(255));
Create Index cid On E01 (cid);
CREATE TABLE A54 (
  [A54id] Counter, cid INTEGER, A5401 DATETIME, A5404 TEXT(50), A5407 memo, A5411 TEXT(50));
CREATE TABLE A55 (
  [A55id] Counter, cid INTEGER, A5501 TEXT(255), A5504 DATETIME, A55Z01 TEXT(255),
  A55Z02 TEXT(255), A5507 memo, A5511 memo, A5514 memo);
CREATE TABLE A56 (
  [A56id] Counter, cid INTEGER, A5601 DATETIME, A5604 memo, A56X1 memo, A56X2 TEXT(255),
  A56X3 memo, A5611 memo, A5621 memo);

-- Code and look-up lists.
CREATE TABLE tb_zw ([id] Counter, zwmc TEXT(50));
CREATE TABLE tb_zj (zjmc TEXT(50), level1 INTEGER);
CREATE TABLE tb_xl (xl TEXT(50), v INTEGER);
CREATE TABLE tb_degree (degree TEXT(50), degreeid INTEGER);
CREATE TABLE tb_dep_xz (xz TEXT(50), zwj memo, zwjdesc memo);
CREATE TABLE tb_DMJ (
  [id] Counter, DMJMC TEXT(50), DM TEXT(20), DMShow TEXT(255), PDM TEXT(20), DMLevel INTEGER);
Create Index iDMJMC On tb_DMJ (DMJMC);
CREATE TABLE tb_params (
  nType TEXT(50), ord INTEGER, params1 TEXT(255), params2 TEXT(255), params3 TEXT(255));
CREATE TABLE tb_xsbh (zfs TEXT(2), bhord TEXT(20));
Create Index zfs On tb_xsbh (zfs);

-- Document templates, unit-tree templates and stored files.
CREATE TABLE tb_mb (
  [id] Counter, Name TEXT(255), Ttype INTEGER, res1 TEXT(255), Files image, EFiles image);
CREATE TABLE tb_mbItem (
  [id] Counter, mbid INTEGER, item TEXT(50), h INTEGER, l INTEGER, kid INTEGER, page INTEGER,
  ord INTEGER, prefix TEXT(50), postfix TEXT(50));
CREATE TABLE tb_wordModel (
  [id] Counter, Name TEXT(255), mtype INTEGER, mLine INTEGER, bitfile image);
CREATE TABLE tb_wordModelItem (
  [id] Counter, mbid INTEGER, item TEXT(50), h INTEGER, l INTEGER, kid INTEGER, page INTEGER,
  ord INTEGER, prefix TEXT(50), postfix TEXT(50), itemDesc TEXT(255));
CREATE TABLE tb_pptModel (
  [id] Counter, Name TEXT(255), mtype INTEGER, mLine INTEGER, bitfile image);
CREATE TABLE tb_pptModelItem (
  [id] Counter, mbid INTEGER, item TEXT(50), h INTEGER, l INTEGER, kid INTEGER, page INTEGER,
  ord INTEGER, prefix TEXT(50), postfix TEXT(50), itemDesc TEXT(255));
CREATE TABLE tb_model (
  mtype INTEGER, ID INTEGER, parentID INTEGER, dwOrder INTEGER, name TEXT(255), dwjc TEXT(255),
  dwLevel INTEGER, isDep BIT, dwxz TEXT(50), py1 TEXT(50), py2 TEXT(50), dwIndex TEXT(50));
CREATE TABLE tb_File (
  [id] Counter, fileName TEXT(255), fExt TEXT(10), Binfile image, ziped BIT);
CREATE TABLE tb_fileLink ([id] Counter, dxType INTEGER, dxID INTEGER, fileid INTEGER);

-- Working tables: pickers, search results, checks, charts, reminders, layouts.
CREATE TABLE tb_querytemp (
  CadreID INTEGER, checked BIT, xm TEXT(50), xb TEXT(10), zwjb TEXT(50), xrz memo,
  res1 TEXT(255), res2 TEXT(255), res3 TEXT(255), resText memo);
CREATE TABLE tb_tcid (tcid INTEGER, [tord] Counter, tords TEXT(255));
Create Index tcid On tb_tcid (tcid);
CREATE TABLE tb_check (
  [id] Counter, CadreID INTEGER, xm TEXT(50), xb TEXT(10), csny DATETIME, csnyStr TEXT(10),
  mz TEXT(50), zzmm TEXT(50), jgsheng TEXT(50), cssheng TEXT(50), rdsjStr TEXT(10),
  gzsjStr TEXT(10), zwjb TEXT(50), zwjbTimeStr TEXT(10), gxl TEXT(50), gxw TEXT(50),
  gxlxx TEXT(255), xrz memo, mc TEXT(50), fmc TEXT(50), yv TEXT(255), rmv TEXT(255),
  ischeck BIT, checked BIT,
  f_1_1 TEXT(50), f_1_2 TEXT(50), f_1_3 TEXT(10), f_1_4 TEXT(50), f_1_5 TEXT(255),
  f_2_1 TEXT(50), f_2_2 TEXT(50), f_2_3 TEXT(10), f_2_4 TEXT(50), f_2_5 TEXT(255),
  f_3_1 TEXT(50), f_3_2 TEXT(50), f_3_3 TEXT(10), f_3_4 TEXT(50), f_3_5 TEXT(255),
  f_4_1 TEXT(50), f_4_2 TEXT(50), f_4_3 TEXT(10), f_4_4 TEXT(50), f_4_5 TEXT(255),
  f_5_1 TEXT(50), f_5_2 TEXT(50), f_5_3 TEXT(10), f_5_4 TEXT(50), f_5_5 TEXT(255),
  f_6_1 TEXT(50), f_6_2 TEXT(50), f_6_3 TEXT(10), f_6_4 TEXT(50), f_6_5 TEXT(255),
  f_7_1 TEXT(50), f_7_2 TEXT(50), f_7_3 TEXT(10), f_7_4 TEXT(50), f_7_5 TEXT(255));
CREATE TABLE tb_chart1 (stype TEXT(255), num INTEGER);
CREATE TABLE tb_totalInfor (
  LogTime DATETIME, cadreNum INTEGER, depNum INTEGER, zwNum INTEGER);
CREATE TABLE tb_plan (
  [id] Counter, beginT DATETIME, endT DATETIME, tital TEXT(255), more memo, checked BIT,
  manid INTEGER);
CREATE TABLE tb_custom_check (name TEXT(255), down BIT, manid INTEGER);
CREATE TABLE tb_custom_width (name TEXT(255), width INTEGER, ord INTEGER, manid INTEGER);
CREATE TABLE tb_res ([id] Counter, res1 TEXT(255), res2 TEXT(255), res3 memo);
CREATE TABLE tb_bzkc ([id] Counter, dwID INTEGER, rybz TEXT(255), bzs INTEGER, sjs INTEGER);
