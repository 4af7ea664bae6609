-- Education levels (tb_xl) as approval forms write them, after the organisation departments'
-- usual list (graduate, university and college education, each with its party-school forms,
-- then secondary and primary school). v: larger is higher, every value distinct; within a stage
-- the full-time form ranks first, then the graduate class, then the party schools (central
-- before provincial).
insert into tb_xl (xl,v) values ('研究生',100);
insert into tb_xl (xl,v) values ('研究生班',96);
insert into tb_xl (xl,v) values ('中央党校研究生',94);
insert into tb_xl (xl,v) values ('省委党校研究生',92);
insert into tb_xl (xl,v) values ('大学',80);
insert into tb_xl (xl,v) values ('中央党校大学',76);
insert into tb_xl (xl,v) values ('省委党校大学',74);
insert into tb_xl (xl,v) values ('大专',60);
insert into tb_xl (xl,v) values ('中央党校大专',56);
insert into tb_xl (xl,v) values ('省委党校大专',54);
insert into tb_xl (xl,v) values ('大学普通班',52);
insert into tb_xl (xl,v) values ('中专',40);
insert into tb_xl (xl,v) values ('中技',38);
insert into tb_xl (xl,v) values ('高中',30);
insert into tb_xl (xl,v) values ('初中',20);
insert into tb_xl (xl,v) values ('小学',10);
