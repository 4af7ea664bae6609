-- Stages of an appointment (tb_conf group RMZT), in the order of the civil servant law's
-- promotion procedure; tb_rmmc.rmzt is the 1-based position in this ItemV-ordered list.
insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','民主推荐','01');
insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','干部考察','02');
insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','讨论决定','03');
insert into tb_conf (GID,ItemID,ItemV) values ('RMZT','任职','04');
